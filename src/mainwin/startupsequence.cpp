#include "mainwin/startupsequence.h"

#include "catalog/errorcodes.h"
#include "catalog/errorreporter.h"
#include "catalog/mediafiles.h"
#include "catalog/mediaroots.h"
#include "catalog/mediarules.h"
#include "catalog/photoindex.h"
#include "catalog/rootsearch.h"
#include "catalog/selectionstate.h"
#include "platform/mediadevice.h"
#include "platform/messages.h"
#include "platform/processes.h"

QString StartupSequence::startupSoundPath(const QString& programFolder)
{
    return mediarules::startupSound().in(programFolder);
}

bool StartupSequence::SplashLoad(const QString& commandLine)
{
    auto call = [](const auto& hook, auto... args) {
        if (hook)
            hook(args...);
    };
    if (m.processes.anotherInstanceRunning()) {
        m.messages.ask({errors::kTitle, QStringLiteral("The Zephane Folarium is already running!"),
                        MessageIcon::Error, MessageButtons::Ok, true});
        call(m_hooks.closeSplash);
        m.processes.endProgramNow(0);
        return false;
    }
    call(m_hooks.setBusy, true);

    RootSearch search(m.roots, m.files, m.reporter);
    // ER001's Retry/Cancel box must never be hidden behind the splash: the splash goes first.
    search.setBeforeFailureReport([this, &call] {
        call(m_hooks.stopSplashTimer);
        call(m_hooks.closeSplash);
    });
    search.setOpener(m.opener);
    search.setRequestedMedia(m.requestedMedia);
    if (!search.run(commandLine)) {
        if (!search.requestFailure().isEmpty()) {
            call(m_hooks.stopSplashTimer);
            call(m_hooks.closeSplash);
            call(m_hooks.setBusy, false);
            call(m_hooks.printError, search.requestFailure());
            if (m.askOnBadMedia)
                m.messages.ask(
                    {errors::kTitle, search.requestFailure(), MessageIcon::Error, MessageButtons::Ok, false});
            m.processes.endProgramNow(kBadMediaStatus);
        }
        return false;
    }

    const QString sound = startupSoundPath(m.roots.programFolder);
    if (const std::optional<QString> real = m.files.resolve(sound)) {
        m.splashMedia.command(QStringLiteral("close"));
        m.splashMedia.setDeviceType(QStringLiteral("WaveAudio"));
        m.splashMedia.setFileName(*real);
        // A sound that does not open or play only means silence.
        if (m.splashMedia.command(QStringLiteral("open")))
            m.splashMedia.command(QStringLiteral("play"));
    } else {
        m.reporter.state().code = errc::kMovieListing;
    }

    call(m_hooks.startSplashTimer, kSplashMilliseconds);
    m.selection.firstClickPending = true;
    return LoadPhotoIndex(m.index, m.roots, m.files, m.reporter);
}
