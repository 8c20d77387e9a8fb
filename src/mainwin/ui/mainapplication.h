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

class Form1;
class Form2;
class IDrives;
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
        IMediaDevice& splashMedia; // Form2's MMControl1
        IMediaDevice& mainMedia;   // Form1's MMControl1
    };

    MainApplication(Ports ports, QString programFolder);
    ~MainApplication() override;

    // The splash window's load. False when the program is to end.
    bool start(const QString& commandLine);
    // The splash timer: the main window, its layout and the year lists.
    void splashTimerFired();

    Form2* splash() const { return m_form2.get(); }
    Form1* mainWindow() const { return m_form1.get(); }
    MainController* controller() const { return m_controller.get(); }
    PhotoStepper* stepper() const { return m_stepper.get(); }
    SelectionState& selection() { return m_selection; }
    PhotoStepState& stepState() { return m_step; }
    PhotoIndex& photoIndex() { return m_index; }
    MediaRoots& roots() { return m_roots; }
    ErrorState& errorState() { return m_errors; }
    const MediaFiles& files() const { return m_files; }

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
    std::unique_ptr<Form2> m_form2;
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<PhotoStepper> m_stepper;
    std::unique_ptr<MainController> m_controller;
};
