#pragma once

#include <memory>

#include "shared/ui/mainframe.h"

class Advertisements;
class BusyCursor;
class DocumentViewerHost;
class EntryDocuments;
class EntryPictureBoxes;
class EntryPictures;
class IllustratedSeries;
class LargePictureHost;
class MainController;
class MainWindow;
class PhotoStepper;
class SeriesPanel;
struct Ports;
struct Session;

// The main window and everything it shows for an entry: its controller and photo stepper, the document
// buttons, the picture boxes, the advertisement, the large-picture viewer, the illustrated series and the
// document viewer. Building it is the main window's load (the window is shown with the layout for the
// screen). It registers the commands it owns, fills the main window's session hooks and offers the other
// subsystems the main window as an IMainFrame.
class MainWindowModule final : public IMainFrame {
public:
    // busy: the program's one hourglass pointer, taken back here.
    MainWindowModule(Session& session, const Ports& ports, BusyCursor& busy);
    ~MainWindowModule() override;
    MainWindowModule(const MainWindowModule&) = delete;
    MainWindowModule& operator=(const MainWindowModule&) = delete;

    // IMainFrame
    QWidget* panelParent() override;
    QRect yearStripSpan() const override;
    QRect photoRect() const override;
    QRect clientRect() const override;
    QRect yearStripRect() const override;
    QRect descriptionButtonRect() const override;
    void setMainWindowEnabled(bool enabled) override;
    void focusNextYearButton() override;

    // The parts, for tests that drive one of them.
    MainWindow& window() const { return *m_window; }
    MainController& controller() const { return *m_controller; }
    DocumentViewerHost& documentViewer() const { return *m_documentViewer; }
    EntryPictures& entryPictures() const { return *m_entryPictures; }
    EntryPictureBoxes& pictureBoxes() const { return *m_pictureBoxes; }
    LargePictureHost& largePictures() const { return *m_largePictures; }
    SeriesPanel& seriesPanel() const { return *m_seriesPanel; }

private:
    void buildEntryPanels();
    void registerCommands();
    void fillHooks();
    void contentButtonClicked(int button);

    Session& m_session;
    const Ports& m_ports;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<PhotoStepper> m_stepper;
    std::unique_ptr<MainController> m_controller;
    std::unique_ptr<DocumentViewerHost> m_documentViewer;
    std::unique_ptr<EntryDocuments> m_entryDocuments;
    EntryPictureBoxes* m_pictureBoxes = nullptr; // owned by the main window
    std::unique_ptr<EntryPictures> m_entryPictures;
    std::unique_ptr<LargePictureHost> m_largePictures;
    std::unique_ptr<Advertisements> m_advertisements;
    SeriesPanel* m_seriesPanel = nullptr; // owned by the main window
    std::unique_ptr<IllustratedSeries> m_series;
};
