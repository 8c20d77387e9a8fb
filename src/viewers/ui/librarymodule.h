#pragma once

#include <functional>
#include <memory>

#include <QPointer>

#include "viewers/documentlibrary.h"
#include "viewers/documentopener.h"
#include "viewers/movieplayer.h"
#include "viewers/soundeffects.h"
#include "viewers/videosoftware.h"

class IMainFrame;
class IScreen;
class MovieWindow;
class QDialog;
class SoundPanel;
struct Ports;
struct Session;

// The document library, the sound-effects panel, the movie window and the video software question: builds
// their controllers and windows and registers LibraryDocument, SoundEffects, Movies and InstallVideo.
class LibraryModule {
public:
    // viewer: the program's one document viewer (the main window module's).
    LibraryModule(Session& session, const Ports& ports, IMainFrame& frame, IDocumentViewer& viewer);
    ~LibraryModule();

    // How a modal window waits; tests replace it with a plain show.
    void setRunModal(std::function<void(QDialog&)> runModal) { m_runModal = std::move(runModal); }

    SoundPanel* soundPanel() const;
    MovieWindow* movieWindow() const; // while the movie window is open
    MoviePlayer& moviePlayer() { return m_player; }

private:
    void showSoundPanel();
    void closeSoundPanel();
    void showMovies();

    Session& m_session;
    IMainFrame& m_frame;
    const IScreen& m_screen;
    DocumentOpener m_opener;
    DocumentLibrary m_library;
    SoundEffects m_sounds;
    MoviePlayer m_player;
    VideoSoftware m_videoSoftware;
    QPointer<SoundPanel> m_panel; // owned by the main frame's panel parent
    QPointer<MovieWindow> m_movieWindow;
    std::function<void(QDialog&)> m_runModal;
};
