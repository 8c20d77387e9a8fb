#include "viewers/ui/librarymodule.h"

#include <QDialog>
#include <QPushButton>

#include "platform/screen.h"
#include "session/session.h"
#include "shared/ui/mainframe.h"
#include "viewers/ui/moviewindow.h"
#include "viewers/ui/soundpanel.h"

LibraryModule::LibraryModule(Session& session, const Ports& ports, IMainFrame& frame, IDocumentViewer& viewer)
    : m_session(session), m_frame(frame), m_screen(ports.screen),
      m_opener(session.documents, session.files, session.reporter, viewer),
      m_library(m_opener, session.roots),
      m_sounds(ports.mainMedia, session.files, session.roots, session.reporter),
      m_player(
          ports.movieMedia, session.files, session.reporter,
          {[&frame](bool on) { frame.setMainWindowEnabled(on); }, [&frame] { frame.focusNextYearButton(); }}),
      m_videoSoftware(ports.messages, ports.processes, ports.desktop, session.reporter,
                      [&frame](bool on) { frame.setMainWindowEnabled(on); }),
      m_runModal([](QDialog& d) { d.exec(); })
{
    m_panel = new SoundPanel(frame.panelParent());
    QObject::connect(m_panel, &SoundPanel::playClicked, m_panel, [this](int i) { m_sounds.play(i); });
    QObject::connect(m_panel, &SoundPanel::stopClicked, m_panel, [this] { m_sounds.stop(); });
    QObject::connect(m_panel, &SoundPanel::closeClicked, m_panel, [this] { closeSoundPanel(); });

    Commands& c = session.commands;
    c.add(Command::LibraryDocument, [this](int row) { m_library.open(row); });
    c.add(Command::SoundEffects, [this](int) { showSoundPanel(); });
    c.add(Command::Movies, [this](int) { showMovies(); });
    c.add(Command::InstallVideo, [this](int) { m_videoSoftware.run(); });
}

LibraryModule::~LibraryModule()
{
    // The panel's handlers call into this module: it must not outlive it.
    delete m_panel.data();
    delete m_movieWindow.data();
}

SoundPanel* LibraryModule::soundPanel() const
{
    return m_panel.data();
}

MovieWindow* LibraryModule::movieWindow() const
{
    return m_movieWindow.data();
}

void LibraryModule::showSoundPanel()
{
    if (!m_panel)
        return;
    // Centred over the year strip's span, level with the photo.
    const QRect span = m_frame.yearStripSpan();
    m_panel->move(span.left() + (span.width() - m_panel->width()) / 2, m_frame.photoRect().top());
    m_panel->raise();
    m_panel->show();
    m_panel->closeButton()->setFocus(Qt::OtherFocusReason);
}

void LibraryModule::closeSoundPanel()
{
    m_frame.setMainWindowEnabled(true);
    if (m_panel)
        m_panel->hide();
}

void LibraryModule::showMovies()
{
    if (m_movieWindow)
        return;
    m_player.setFolder(MoviePlayer::movieFolder(m_session.roots, m_session.files));
    auto* w = new MovieWindow(m_frame.panelParent());
    w->setWindowModality(Qt::ApplicationModal);
    m_movieWindow = w;
    const long long sw = m_screen.widthTwips() / 15;
    const long long sh = m_screen.heightTwips() / 15;
    w->move(static_cast<int>((sw - w->width()) / 2), static_cast<int>((sh - w->height()) / 2));

    QObject::connect(w, &MovieWindow::movieChosen, w, [this](int i) { m_player.choose(i); });
    QObject::connect(w, &MovieWindow::barButton, w, [this](MediaButton b) {
        switch (b) {
        case MediaButton::Play:
            m_player.play();
            break;
        case MediaButton::Stop:
            m_player.stop();
            break;
        default:
            break;
        }
    });
    QObject::connect(w, &MovieWindow::helpClicked, w, [this] { m_videoSoftware.run(true); });
    QObject::connect(w, &MovieWindow::exitClicked, w, [this] { m_player.exit(); });
    QObject::connect(w, &QDialog::finished, w, [this, w] {
        m_player.windowClosed();
        w->deleteLater();
    });
    m_player.windowLoaded(*w);
    m_runModal(*w);
}
