#include "catalog/mediaopener.h"

#include <QDir>
#include <QFileInfo>

#include "catalog/mediafiles.h"
#include "catalog/mediarules.h"
#include "platform/desktop.h"
#include "platform/discimagefile.h"
#include "platform/discimages.h"

MediaOpener::MediaOpener(IDiscImages& images, IDesktop& settings, const MediaFiles& files)
    : m_images(images), m_settings(settings), m_files(files)
{
}

QString MediaOpener::lookedFor()
{
    return QStringLiteral("a folder \"zephanes\" (in any case) holding .jpg photos");
}

bool MediaOpener::holdsPhotos(const QString& root) const
{
    return !m_files.list(root + mediarules::folder::kZephanes + QStringLiteral("*.jpg")).isEmpty();
}

MediaOpener::Opened MediaOpener::open(const QString& path) const
{
    const QString absolute = path.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QString shown = QDir::toNativeSeparators(path);
    switch (discimage::inspect(absolute)) {
    case discimage::Kind::Missing:
        return {
            {},
            QStringLiteral("%1: no such folder or file. Name the folder that holds the media tree (%2) or a "
                           "disc image (.iso) of the disc.")
                .arg(shown, lookedFor())};
    case discimage::Kind::Unreadable:
        return {{}, QStringLiteral("%1: the file cannot be read.").arg(shown)};
    case discimage::Kind::Empty:
        return {{}, QStringLiteral("%1: the file is empty; a disc image (.iso) was expected.").arg(shown)};
    case discimage::Kind::NotAnImage:
        return {{},
                QStringLiteral(
                    "%1 is neither a folder nor a disc image: no ISO 9660 or UDF volume descriptor was "
                    "found where a disc image (.iso) has one.")
                    .arg(shown)};
    case discimage::Kind::Folder:
        if (!holdsPhotos(absolute))
            return {{}, QStringLiteral("%1 holds no photos: looked for %2 in it.").arg(shown, lookedFor())};
        return {absolute, {}};
    case discimage::Kind::Image:
        break;
    }
    const IDiscImages::Mounted mounted = m_images.mount(absolute);
    if (mounted.folder.isEmpty())
        return {{}, mounted.error};
    if (!holdsPhotos(mounted.folder)) {
        m_images.release(absolute);
        return {{},
                QStringLiteral("The disc image %1 holds no photos: looked for %2 at its top level.")
                    .arg(shown, lookedFor())};
    }
    return {mounted.folder, {}};
}

QString MediaOpener::remembered() const
{
    return m_settings.setting(settingKey());
}

std::optional<QString> MediaOpener::openRemembered() const
{
    const QString path = remembered();
    // A path that is gone (a disc image deleted, a stick unplugged) is passed over without a word.
    if (path.isEmpty() || !QFileInfo::exists(path))
        return std::nullopt;
    const Opened opened = open(path);
    if (!opened.ok())
        return std::nullopt;
    return opened.root;
}

void MediaOpener::remember(const QString& path)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (remembered() != absolute)
        m_settings.setSetting(settingKey(), absolute);
}
