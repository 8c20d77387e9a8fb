#include "mainwin/ui/mainapplication.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "catalog/photostepper.h"
#include "catalog/rootsearch.h"
#include "mainwin/advertisements.h"
#include "mainwin/entrydocuments.h"
#include "mainwin/entrypictures.h"
#include "mainwin/illustratedseries.h"
#include "mainwin/maincontroller.h"
#include "mainwin/startupsequence.h"
#include "mainwin/ui/entrypictureboxes.h"
#include "mainwin/ui/mainwindow.h"
#include "mainwin/ui/splashwindow.h"
#include "mainwin/ui/largepicturehost.h"
#include "mainwin/ui/seriespanel.h"
#include "platform/mediadevice.h"
#include "platform/screen.h"
#include "viewers/ui/documentwindow.h"
#include "viewers/ui/documentviewerhost.h"
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
    m_form2 = std::make_unique<SplashWindow>();
    if (const QScreen* s = QGuiApplication::primaryScreen())
        m_form2->move(s->geometry().center() - m_form2->rect().center());
    m_form2->show();
    connect(m_form2.get(), &SplashWindow::timerFired, this, &MainApplication::splashTimerFired);

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
    m_form1 = std::make_unique<MainWindow>(m_files);
    m_stepper = std::make_unique<PhotoStepper>(
        PhotoStepper::Context{m_index, m_step, m_selection, *m_form1, m_reporter, m_roots, m_files});
    m_controller = std::make_unique<MainController>(
        MainController::Context{m_selection, m_step, m_index, *m_stepper, *m_form1, m_reporter,
                                m_ports.messages, m_ports.processes, m_ports.mainMedia, m_roots, m_files});
    m_form1->setController(m_controller.get());
    buildEntryPanels();
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

void MainApplication::buildEntryPanels()
{
    IClipboard* clipboard = &m_ports.clipboard;
    IPrinter* printer = &m_ports.printer;
    auto focusNextYear = [this] {
        m_form1->focusYearButton(catalogue::nextYearButton(m_selection.currentYearIndex), false);
    };

    m_txtForm = std::make_unique<DocumentViewerHost>(m_documents, *printer, m_form1.get());
    m_txtForm->setHooks({[this, focusNextYear] {
                             m_form1->setEnabled(true);
                             focusNextYear();
                         },
                         {}});
    m_entryDocuments = std::make_unique<EntryDocuments>(
        EntryDocuments::Context{m_selection, m_step, *m_form1, m_documents, m_reporter, m_ports.messages,
                                m_roots, m_files, *m_txtForm});

    m_pictureBoxes = new EntryPictureBoxes(*m_form1, m_files, *clipboard);
    m_entryPictures = std::make_unique<EntryPictures>(
        EntryPictures::Context{m_selection, *m_pictureBoxes, *m_form1, m_reporter, m_ports.messages,
                               m_roots});
    m_pictureBoxes->setController(m_entryPictures.get());
    MainController::Hooks hooks;
    hooks.reloadPicturePanel = [this](catalogue::PicturePanel p) { m_entryPictures->reload(p); };
    m_controller->setHooks(hooks);

    const QSize screen(int(m_ports.screen.widthTwips() / MainWindow::kTwipsPerPixel),
                       int(m_ports.screen.heightTwips() / MainWindow::kTwipsPerPixel));
    m_largePictures = std::make_unique<LargePictureHost>(
        *m_form1, m_files, [this] { return m_selection.entryText; }, screen);
    // The screen-saver photo list closes here once it exists.
    m_advertisements = std::make_unique<Advertisements>(Advertisements::Context{
        m_selection, *m_form1, m_documents, m_reporter, m_ports.messages, m_roots, *m_largePictures});

    m_seriesPanel = new SeriesPanel(*m_form1);
    m_series = std::make_unique<IllustratedSeries>(IllustratedSeries::Context{
        *m_seriesPanel, *m_form1, m_documents, m_reporter, m_roots, m_files, *m_largePictures, *m_txtForm});
    m_seriesPanel->setController(m_series.get());

    connect(m_form1.get(), &MainWindow::contentButtonClicked, this,
            [this](catalogue::ContentButton b) { contentButtonClicked(b); });
    connect(m_form1.get(), &MainWindow::menuItemTriggered, this, &MainApplication::menuItemTriggered);
    connect(m_form1.get(), &MainWindow::detailsClicked, this, [this] { m_entryDocuments->detailsClicked(); });
    connect(m_form1.get(), &MainWindow::fileNameClicked, this, [this] { m_entryDocuments->fileNameClicked(); });
}

void MainApplication::contentButtonClicked(int button)
{
    using namespace catalogue;
    switch (ContentButton(button)) {
    case Desc: m_entryDocuments->descriptionClicked(); break;
    case Stats: m_entryDocuments->statisticsClicked(); break;
    case Options: m_entryDocuments->optionsClicked(); break;
    case Colors: m_entryDocuments->colorsClicked(); break;
    case Nostalgia: m_entryDocuments->nostalgiaClicked(); break;
    case Script:
    case Nose:
    case Rear:
    case Side:
    case ClipArt: m_entryPictures->buttonClicked(ContentButton(button)); break;
    case Ad: m_advertisements->adClicked(); break;
    }
}

void MainApplication::menuItemTriggered(const QString& objectName, int)
{
    if (objectName == QLatin1String("mnuNames"))
        m_entryDocuments->fileNamesMenu();
    else if (objectName == QLatin1String("mnuOstrand"))
        m_series->open(m_form1->seriesPanelTop());
}
