#include "app/program.h"

#include <QGuiApplication>
#include <QScreen>

#include <cstdio>

#include "catalog/mediaopener.h"
#include "mainwin/startupsequence.h"
#include "mainwin/ui/mainwindowmodule.h"
#include "mainwin/ui/splashwindow.h"

Program::Program(const Ports& ports, QString programFolder, IDiscImages* images)
    : m_ports(ports), m_session(m_ports, std::move(programFolder))
{
    if (images)
        m_opener = std::make_unique<MediaOpener>(*images, m_ports.desktop, m_session.files);
}

Program::~Program()
{
    while (!m_modules.empty())
        m_modules.pop_back();
    m_main.reset();
    m_session.hooks = {};
}

void Program::closeSplash()
{
    if (!m_splash)
        return;
    m_splash->timer().stop();
    m_splash->close();
}

bool Program::start(const QString& commandLine, const QString& requestedMedia, bool askOnBadMedia)
{
    m_session.commandLine = commandLine;
    m_splash = std::make_unique<SplashWindow>();
    if (const QScreen* s = QGuiApplication::primaryScreen())
        m_splash->move(s->geometry().center() - m_splash->rect().center());
    m_splash->show();
    connect(m_splash.get(), &SplashWindow::timerFired, this, &Program::splashTimerFired);

    StartupSequence::Hooks hooks;
    hooks.closeSplash = [this] { closeSplash(); };
    hooks.setBusy = [this](bool on) { m_busy.set(on); };
    hooks.startSplashTimer = [this](int ms) { m_splash->timer().start(ms); };
    hooks.stopSplashTimer = [this] { m_splash->timer().stop(); };
    hooks.printError = [](const QString& text) {
        std::fprintf(stderr, "zephane-folarium: %s\n", qPrintable(text));
    };
    Session& s = m_session;
    StartupSequence startup({m_ports.processes, m_ports.messages, m_ports.splashMedia, s.reporter, s.roots,
                             s.files, s.index, s.selection, m_opener.get(), requestedMedia, askOnBadMedia},
                            hooks);
    const bool ok = startup.SplashLoad(commandLine);
    if (!ok) {
        closeSplash();
        m_busy.set(false);
    }
    return ok;
}

void Program::splashTimerFired()
{
    if (m_main)
        return; // the main window is up; the splash has closed
    m_main = std::make_unique<MainWindowModule>(m_session, m_ports, m_busy);
    // Closed once the main window is shown, so that the program is never without a window.
    closeSplash();
    m_modules = buildFurtherModules(m_session, m_ports, *m_main);
}
