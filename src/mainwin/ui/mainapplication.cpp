#include "mainwin/ui/mainapplication.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "catalog/photostepper.h"
#include "catalog/rootsearch.h"
#include "mainwin/maincontroller.h"
#include "mainwin/startupsequence.h"
#include "mainwin/ui/form1.h"
#include "mainwin/ui/form2.h"
#include "platform/mediadevice.h"
#include "utils/screensize.h"

MainApplication::MainApplication(Ports ports, QString programFolder)
    : m_ports(ports), m_reporter(m_errors, ports.messages, ports.processes), m_files(ports.drives)
{
    m_roots.programFolder = std::move(programFolder);
}

MainApplication::~MainApplication()
{
    QApplication::restoreOverrideCursor(); // harmless when none is set
}

bool MainApplication::start(const QString& commandLine)
{
    m_commandLine = commandLine;
    m_form2 = std::make_unique<Form2>();
    if (const QScreen* s = QGuiApplication::primaryScreen())
        m_form2->move(s->geometry().center() - m_form2->rect().center());
    m_form2->show();
    connect(m_form2.get(), &Form2::timerFired, this, &MainApplication::splashTimerFired);

    bool busy = false;
    StartupSequence::Hooks hooks;
    hooks.closeSplash = [this] { m_form2->close(); };
    hooks.setBusy = [&busy](bool on) {
        if (on && !busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        busy = on;
    };
    hooks.startSplashTimer = [this](int ms) { m_form2->timer().start(ms); };
    hooks.stopSplashTimer = [this] { m_form2->timer().stop(); };
    StartupSequence startup({m_ports.processes, m_ports.messages, m_ports.splashMedia, m_reporter, m_roots,
                             m_files, m_index, m_selection},
                            hooks);
    const bool ok = startup.SplashLoad(commandLine);
    if (!ok) {
        m_form2->timer().stop();
        m_form2->close();
        if (busy)
            QApplication::restoreOverrideCursor();
    }
    return ok;
}

void MainApplication::splashTimerFired()
{
    if (m_form1)
        return; // the main window is up; the splash has closed
    const bool is800x600 = IsScreenSize(m_ports.screen, 800, 600);
    m_form1 = std::make_unique<Form1>(m_files);
    m_stepper = std::make_unique<PhotoStepper>(
        PhotoStepper::Context{m_index, m_step, m_selection, *m_form1, m_reporter, m_roots, m_files});
    m_controller = std::make_unique<MainController>(
        MainController::Context{m_selection, m_step, m_index, *m_stepper, *m_form1, m_reporter,
                                m_ports.messages, m_ports.processes, m_ports.mainMedia, m_roots, m_files});
    m_form1->setController(m_controller.get());
    m_ports.mainMedia.setDisplayWindow(nullptr);
    m_reporter.setHooks(
        {[this] { m_form1->focusYearButton(catalogue::nextYearButton(m_selection.currentYearIndex), false); },
         [this] { m_form1->setEnabled(true); }});

    // The main window's load takes the pointer back and closes the splash (once the main window is shown,
    // so that closing the splash never leaves the program without a window).
    QApplication::restoreOverrideCursor();
    m_form1->load(RootSearch::isSwitch(m_commandLine));
    if (m_form2) {
        m_form2->timer().stop();
        m_form2->close();
    }
    m_form1->applyScreenLayout(is800x600);
    if (const QScreen* s = QGuiApplication::primaryScreen(); s && !is800x600)
        m_form1->move(s->availableGeometry().center() - m_form1->rect().center());
    m_form1->fillYearLists();
}
