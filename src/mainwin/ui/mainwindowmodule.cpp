#include "mainwin/ui/mainwindowmodule.h"

#include <QGuiApplication>
#include <QScreen>

#include "catalog/catalogue.h"
#include "catalog/photostepper.h"
#include "catalog/rootsearch.h"
#include "mainwin/advertisements.h"
#include "mainwin/entrydocuments.h"
#include "mainwin/entrypictures.h"
#include "mainwin/illustratedseries.h"
#include "mainwin/maincontroller.h"
#include <QLabel>

#include "mainwin/ui/entrypictureboxes.h"
#include "mainwin/ui/largepicturehost.h"
#include "mainwin/ui/mainwindow.h"
#include "mainwin/ui/seriespanel.h"
#include "platform/mediadevice.h"
#include "platform/screen.h"
#include "session/session.h"
#include "shared/ui/documentviewerhost.h"
#include "shared/ui/documentwindow.h"
#include "utils/screensize.h"
#include "utils/ui/busycursor.h"

MainWindowModule::MainWindowModule(Session& session, const Ports& ports, BusyCursor& busy)
    : m_session(session), m_ports(ports)
{
    Session& s = m_session;
    const bool is800x600 = IsScreenSize(ports.screen, 800, 600);
    m_window = std::make_unique<MainWindow>(s.files, s.commands);
    m_window->setBusyHook([&busy](bool on) { busy.set(on); });
    m_stepper = std::make_unique<PhotoStepper>(
        PhotoStepper::Context{s.index, s.step, s.selection, *m_window, s.reporter, s.roots, s.files});
    m_controller = std::make_unique<MainController>(MainController::Context{
        s.selection, s.step, s.index, *m_stepper, *m_window, *m_window, *m_window, *m_window, s.reporter,
        ports.messages, ports.processes, ports.mainMedia, s.roots, s.files});
    m_window->setListener(m_controller.get());
    buildEntryPanels();
    registerCommands();
    fillHooks();
    ports.mainMedia.setDisplayWindow(nullptr);

    // The load takes the pointer back and shows the window; the layout follows the screen.
    busy.set(false);
    m_window->load(RootSearch::isSwitch(s.commandLine));
    m_window->applyScreenLayout(is800x600);
    if (const QScreen* screen = QGuiApplication::primaryScreen(); screen && !is800x600)
        m_window->move(screen->availableGeometry().center() - m_window->rect().center());
    m_window->fillYearLists();
}

MainWindowModule::~MainWindowModule()
{
    // Nothing may reach the windows through the session once they are gone.
    SessionHooks& h = m_session.hooks;
    h.focusNextYearButton = {};
    h.setMainWindowEnabled = {};
    h.refreshEntryPictures = {};
    h.slideHandOver = {};
    h.closeDocumentViewer = {};
    m_session.reporter.setHooks({});
    // The windows outlive the controllers below them: their events must not reach a controller that is gone.
    m_window->setListener(nullptr);
    m_pictureBoxes->setController(nullptr);
    m_seriesPanel->setController(nullptr);
}

void MainWindowModule::buildEntryPanels()
{
    Session& s = m_session;
    m_documentViewer = std::make_unique<DocumentViewerHost>(s.documents, m_ports.printer, m_window.get());
    m_documentViewer->setHooks({[this] {
                                    setMainWindowEnabled(true);
                                    focusNextYearButton();
                                },
                                {}});
    m_entryDocuments = std::make_unique<EntryDocuments>(
        EntryDocuments::Context{s.selection, s.step, *m_window, s.documents, s.reporter, m_ports.messages,
                                s.roots, s.files, *m_documentViewer});

    m_pictureBoxes = new EntryPictureBoxes(*this, s.files, m_ports.clipboard);
    for (catalogue::PicturePanel p : {catalogue::PicClipArt, catalogue::PicEmblem, catalogue::PicEmbRear,
                                      catalogue::PicEmbSide, catalogue::PicScript})
        m_window->registerPicturePanel(p, m_pictureBoxes->box(p));
    m_entryPictures = std::make_unique<EntryPictures>(EntryPictures::Context{
        s.selection, *m_pictureBoxes, *m_window, s.reporter, m_ports.messages, s.roots});
    m_pictureBoxes->setController(m_entryPictures.get());

    const QRect screen(0, 0, int(m_ports.screen.widthTwips() / MainWindow::kTwipsPerPixel),
                       int(m_ports.screen.heightTwips() / MainWindow::kTwipsPerPixel));
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect area = primary && primary->size() == screen.size() ? primary->availableGeometry() : screen;
    MainWindow* window = m_window.get();
    m_largePictures = std::make_unique<LargePictureHost>(
        *this, s.files, [&s] { return s.selection.entryText; }, area, [window] { window->show(); });
    m_advertisements = std::make_unique<Advertisements>(
        Advertisements::Context{s.selection, *m_window, s.documents, s.reporter, m_ports.messages, s.roots,
                                *m_largePictures},
        [&s] {
            if (s.hooks.closeSaverList)
                s.hooks.closeSaverList();
        });

    m_seriesPanel = new SeriesPanel(*this);
    m_series = std::make_unique<IllustratedSeries>(
        IllustratedSeries::Context{*m_seriesPanel, *m_window, s.documents, s.reporter, s.roots, s.files,
                                   *m_largePictures, *m_documentViewer});
    m_seriesPanel->setController(m_series.get());

    MainController::Hooks hooks;
    hooks.reloadPicturePanel = [this](catalogue::PicturePanel p) { m_entryPictures->reload(p); };
    hooks.closeSecondaryWindows = [&s] {
        if (s.hooks.closeSlideShow)
            s.hooks.closeSlideShow();
        if (s.hooks.closeDocumentViewer)
            s.hooks.closeDocumentViewer();
    };
    hooks.showSaverList = [&s] {
        if (s.hooks.showSaverList)
            s.hooks.showSaverList();
    };
    hooks.contentButtonClicked = [this](catalogue::ContentButton b) { contentButtonClicked(b); };
    hooks.detailsClicked = [this] { m_entryDocuments->detailsClicked(); };
    hooks.fileNameClicked = [this] { m_entryDocuments->fileNameClicked(); };
    m_controller->setHooks(std::move(hooks));
    m_stepper->setSaverButtonsHook([&s](bool) {
        if (s.hooks.refreshSaverButtons)
            s.hooks.refreshSaverButtons();
    });
}

void MainWindowModule::registerCommands()
{
    Commands& c = m_session.commands;
    MainController* controller = m_controller.get();
    c.add(Command::TopTen, [controller](int) { controller->topTenMenu(); });
    c.add(Command::Miscellany, [controller](int) { controller->miscellanyMenu(); });
    c.add(Command::Museum, [controller](int i) { controller->museumMenu(i); });
    c.add(Command::Art, [controller](int i) { controller->artMenu(i); });
    c.add(Command::ZephStuff, [controller](int i) { controller->zephStuffMenu(i); });
    c.add(Command::Specialty, [controller](int i) { controller->specialtyMenu(i); });
    c.add(Command::FileNames, [this](int) { m_entryDocuments->fileNamesMenu(); });
    c.add(Command::IllustratedSeries, [this](int) { m_series->open(m_window->seriesPanelTop()); });
    c.add(Command::Exit, [this](int) { m_window->close(); });
}

void MainWindowModule::fillHooks()
{
    SessionHooks& h = m_session.hooks;
    h.focusNextYearButton = [this] { focusNextYearButton(); };
    h.setMainWindowEnabled = [this](bool enabled) { setMainWindowEnabled(enabled); };
    // The slide show and the document viewer close without a question.
    h.refreshEntryPictures = [this] { m_controller->RefreshEntryPictures(); };
    // The slide show hands its slide over through these; it keeps the selection and stepping state itself.
    MainWindow* w = m_window.get();
    h.slideHandOver.showPhoto = [w](const QString& mediaPath) { return w->showPhoto(mediaPath); };
    h.slideHandOver.setPhotoNumber = [w](const QString& number) { w->setPhotoNumber(number); };
    h.slideHandOver.showEntryLabel = [this, w] {
        w->setEntryCaption(m_session.selection.entryText);
        w->showEntryControls();
        w->setPhotoVisible(true);
    };
    h.slideHandOver.setFileName = [w](const QString& text) { w->setPhotoFileName(text); };
    h.slideHandOver.setStatsCaption = [w](const QString& caption) {
        w->setContentButtonCaption(catalogue::Stats, caption);
    };
    h.slideHandOver.focusYearButton = [w](int index) { w->focusYearButton(index, true); };
    h.closeDocumentViewer = [this] { m_documentViewer->unload(); };
    m_session.reporter.setHooks({[this] { focusNextYearButton(); }, [this] { setMainWindowEnabled(true); }});
}

void MainWindowModule::contentButtonClicked(int button)
{
    using namespace catalogue;
    switch (ContentButton(button)) {
    case Desc:
        m_entryDocuments->descriptionClicked();
        break;
    case Stats:
        m_entryDocuments->statisticsClicked();
        break;
    case Options:
        m_entryDocuments->optionsClicked();
        break;
    case Colors:
        m_entryDocuments->colorsClicked();
        break;
    case Nostalgia:
        m_entryDocuments->nostalgiaClicked();
        break;
    case Script:
    case Nose:
    case Rear:
    case Side:
    case ClipArt:
        m_entryPictures->buttonClicked(ContentButton(button));
        break;
    case Ad:
        m_advertisements->adClicked();
        break;
    }
}

QWidget* MainWindowModule::panelParent()
{
    return m_window->client();
}

QRect MainWindowModule::yearStripSpan() const
{
    return m_window->yearStripSpan();
}

QRect MainWindowModule::photoRect() const
{
    return m_window->photoGeometry();
}

QRect MainWindowModule::clientRect() const
{
    return m_window->clientRect();
}

QRect MainWindowModule::yearStripRect() const
{
    return m_window->yearStripRect();
}

QRect MainWindowModule::descriptionButtonRect() const
{
    return m_window->descriptionButtonGeometry();
}

void MainWindowModule::setMainWindowEnabled(bool enabled)
{
    m_window->setMainWindowEnabled(enabled);
}

void MainWindowModule::focusNextYearButton()
{
    m_window->focusYearButton(catalogue::nextYearButton(m_session.selection.currentYearIndex), false);
}
