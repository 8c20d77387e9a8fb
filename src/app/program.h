#pragma once

#include <memory>

#include <QObject>
#include <QString>

#include "app/modules.h"
#include "session/ports.h"
#include "session/session.h"
#include "utils/ui/busycursor.h"

class IDiscImages;
class MainWindowModule;
class MediaOpener;
class SplashWindow;

// The composition root's running program: the session built from the ports, the splash window's start-up,
// and, when the splash timer fires, the main window module followed by every further module.
class Program final : public QObject {
    Q_OBJECT
public:
    // images: how disc images are mounted; without it, media paths are neither named nor remembered.
    Program(const Ports& ports, QString programFolder, IDiscImages* images = nullptr);
    ~Program() override;

    // The splash window's load. False when the program is to end. requestedMedia: a folder or disc image
    // named on the command line, opened instead of probing the drives. askOnBadMedia: a bad one is also
    // shown in a message box (a start from the desktop), not only on standard error.
    bool start(const QString& commandLine, const QString& requestedMedia = QString(),
               bool askOnBadMedia = true);

    Session& session() { return m_session; }
    SplashWindow* splash() const { return m_splash.get(); }
    // Null until the splash timer has fired.
    MainWindowModule* mainWindowModule() const { return m_main.get(); }

private:
    // The splash timer: builds the main window module and then the further modules, and closes the splash.
    void splashTimerFired();
    void closeSplash();

    Ports m_ports;
    Session m_session;
    std::unique_ptr<MediaOpener> m_opener;
    BusyCursor m_busy;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<MainWindowModule> m_main;
    ModuleList m_modules; // after m_main, so that they go before it
};
