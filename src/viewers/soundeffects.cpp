#include "viewers/soundeffects.h"

#include "catalog/errorcodes.h"
#include "catalog/errorreporter.h"
#include "catalog/mediafiles.h"
#include "catalog/mediaroots.h"
#include "catalog/mediarules.h"
#include "platform/mediadevice.h"

SoundEffects::SoundEffects(IMediaDevice& device, const MediaFiles& files, const MediaRoots& roots,
                           ErrorReporter& reporter)
    : m_device(device), m_files(files), m_roots(roots), m_reporter(reporter)
{
}

bool SoundEffects::fail()
{
    m_reporter.report(errc::kSoundEffect);
    return false;
}

bool SoundEffects::play(int index)
{
    m_reporter.state().code = errc::kSoundEffect;
    const auto& sounds = mediarules::soundEffects();
    if (index < 0 || index >= static_cast<int>(sounds.size()))
        return fail();
    const std::optional<QString> real =
        m_files.resolve(sounds[static_cast<size_t>(index)].path.in(m_roots.mediaRoot));
    if (!real)
        return fail();
    m_device.command(QStringLiteral("close"));
    m_device.setDeviceType(QStringLiteral("WaveAudio"));
    m_device.setFileName(*real);
    if (!m_device.command(QStringLiteral("open")) || !m_device.command(QStringLiteral("play"))) {
        // Leave nothing half-open for the next click.
        m_device.command(QStringLiteral("close"));
        return fail();
    }
    return true;
}

void SoundEffects::stop()
{
    m_device.command(QStringLiteral("close"));
}
