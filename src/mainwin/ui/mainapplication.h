#pragma once

#include <memory>

#include <QObject>
#include <QString>

#include "catalog/errorreporter.h"
#include "catalog/mediafiles.h"
#include "catalog/mediaroots.h"
#include "catalog/photoindex.h"
#include "catalog/photostepstate.h"
#include "catalog/selectionstate.h"
#include "viewers/documentstate.h"

class Advertisements;
class EntryDocuments;
class EntryPictureBoxes;
class EntryPictures;
class MainWindow;
class SplashWindow;
class IClipboard;
class IDrives;
class IllustratedSeries;
class IPrinter;
class LargePictureHost;
class SeriesPanel;
class DocumentViewerHost;
class IMediaDevice;
class IMessages;
class IProcesses;
class IScreen;
class MainController;
class PhotoStepper;

// The program's windows and the state they share: the splash runs start-up, its timer brings up the main
// window with the layout for the screen.
class MainApplication final : public QObject {
    Q_OBJECT
public:
    struct Ports {
        IProcesses& processes;
        IMessages& messages;
        const IDrives& drives;
        const IScreen& screen;
        IMediaDevice& splashMedia; // SplashWindow's MMControl1
        IMediaDevice& mainMedia;   // MainWindow's MMControl1
        IClipboard& clipboard;
        IPrinter& printer;
    };

    MainApplication(Ports ports, QString programFolder);
    ~MainApplication() override;

    // The splash window's load. False when the program is to end.
    bool start(const QString& commandLine);
    // The splash timer: the main window, its layout and the year lists.
    void splashTimerFired();

    SplashWindow* splash() const { return m_form2.get(); }
    MainWindow* mainWindow() const { return m_form1.get(); }
    MainController* controller() const { return m_controller.get(); }
    PhotoStepper* stepper() const { return m_stepper.get(); }
    SelectionState& selection() { return m_selection; }
    PhotoStepState& stepState() { return m_step; }
    PhotoIndex& photoIndex() { return m_index; }
    MediaRoots& roots() { return m_roots; }
    ErrorState& errorState() { return m_errors; }
    const MediaFiles& files() const { return m_files; }
    DocumentState& documentState() { return m_documents; }
    DocumentViewerHost* documentViewer() const { return m_txtForm.get(); }
    EntryDocuments* entryDocuments() const { return m_entryDocuments.get(); }
    EntryPictures* entryPictures() const { return m_entryPictures.get(); }
    EntryPictureBoxes* pictureBoxes() const { return m_pictureBoxes; }
    LargePictureHost* largePictures() const { return m_largePictures.get(); }
    Advertisements* advertisements() const { return m_advertisements.get(); }
    SeriesPanel* seriesPanel() const { return m_seriesPanel; }
    IllustratedSeries* illustratedSeries() const { return m_series.get(); }

private:
    Ports m_ports;
    QString m_commandLine;
    ErrorState m_errors;
    ErrorReporter m_reporter;
    MediaRoots m_roots;
    MediaFiles m_files;
    PhotoIndex m_index;
    PhotoStepState m_step;
    SelectionState m_selection;
    std::unique_ptr<SplashWindow> m_form2;
    std::unique_ptr<MainWindow> m_form1;
    std::unique_ptr<PhotoStepper> m_stepper;
    std::unique_ptr<MainController> m_controller;

    // What the main window shows for an entry: documents, pictures, advertisements and the series.
    void buildEntryPanels();
    void contentButtonClicked(int button);
    void menuItemTriggered(const QString& objectName, int index);

    DocumentState m_documents;
    std::unique_ptr<DocumentViewerHost> m_txtForm;
    std::unique_ptr<EntryDocuments> m_entryDocuments;
    EntryPictureBoxes* m_pictureBoxes = nullptr;  // owned by the main window
    std::unique_ptr<EntryPictures> m_entryPictures;
    std::unique_ptr<LargePictureHost> m_largePictures;
    std::unique_ptr<Advertisements> m_advertisements;
    SeriesPanel* m_seriesPanel = nullptr;  // owned by the main window
    std::unique_ptr<IllustratedSeries> m_series;
};
