#include "slideshow/ui/slideshowmodule.h"

#include <QGuiApplication>
#include <QScreen>

#include "catalog/errorreporter.h"
#include "platform/clipboard.h"
#include "platform/messages.h"
#include "platform/screen.h"
#include "session/session.h"
#include "shared/ui/mainframe.h"
#include "slideshow/slidecontroller.h"
#include "slideshow/slidehandover.h"
#include "slideshow/smallscreenlayout.h"
#include "slideshow/ui/slidepicture.h"
#include "slideshow/ui/slideshowwindow.h"
#include "utils/screensize.h"
#include "utils/ui/topmost.h"

namespace {
const QString kCopyQuestion = QStringLiteral("Would you like to copy this image to the Windows Clipboard?");
}

SlideShowModule::SlideShowModule(Session& session, const Ports& ports, IMainFrame& frame)
    : m_s(session), m_ports(ports), m_frame(frame), m_runModal([](SlideShowWindow& w) {
          // Full screen, so the window system fits the whole window, frame and all, to that screen.
          w.setWindowState(w.windowState() | Qt::WindowFullScreen);
          w.exec();
      })
{
    m_s.commands.add(Command::SlideShow, [this](int) { launch(); });
    m_s.hooks.closeSlideShow = [this] { close(); };
}

SlideShowModule::~SlideShowModule() = default;

void SlideShowModule::close()
{
    if (!m_window)
        return;
    m_window->stopTimers();
    m_window->done(0);
}

void SlideShowModule::launch()
{
    if (m_window)
        return; // already showing
    if (m_s.hooks.closeSaverList)
        m_s.hooks.closeSaverList();

    QWidget* parent = m_frame.panelParent();
    m_window = std::make_unique<SlideShowWindow>(m_ports.clock, parent);
    m_controller = std::make_unique<SlideController>(m_s, *m_window, m_ports.screen);
    m_handOver = std::make_unique<SlideHandOver>(m_s, *m_window);
    connectWindow();

    // The show covers the screen the main window is on, from that screen's top-left corner.
    const QScreen* screen = parent ? parent->window()->screen() : QGuiApplication::primaryScreen();
    m_window->resize(int(m_ports.screen.widthTwips() / 15), int(m_ports.screen.heightTwips() / 15));
    m_window->move(screen ? screen->geometry().topLeft() : QPoint());
    SetTopmost(m_window.get(), 1);
    if (IsScreenSize(m_ports.screen, 640, 480))
        applySmallScreenLayout(*m_window);

    if (m_controller->openAtLaunch())
        m_runModal(*m_window);
    m_window->stopTimers();
    // The main window refreshes its pictures once after the show; a hand-over has done that already, and a
    // second refresh would undo the entry code it left.
    const bool refreshed = m_handOver->refreshedMainWindow();
    m_handOver.reset();
    m_controller.reset();
    m_window.reset();
    m_s.selection.refreshPending = !refreshed;
}

void SlideShowModule::connectWindow()
{
    SlideShowWindow* w = m_window.get();
    SlideController* c = m_controller.get();
    QObject::connect(w, &SlideShowWindow::barClicked, w, [this, c](BarButton b) {
        switch (b) {
        case BarButton::Bkwd:
            c->StepBack();
            break;
        case BarButton::Fwd:
            c->StepForward();
            break;
        case BarButton::Play:
            c->Play();
            break;
        case BarButton::Pause:
            c->Pause();
            break;
        case BarButton::JumpBkwd:
            c->JumpBack();
            break;
        case BarButton::JumpFwd:
            c->JumpForward();
            break;
        case BarButton::Exit:
            m_handOver->HandOverSlide();
            break;
        }
    });
    QObject::connect(w, &SlideShowWindow::beginningClicked, w, [c] { c->Beginning(); });
    QObject::connect(w, &SlideShowWindow::middleClicked, w, [c] { c->Middle(); });
    QObject::connect(w, &SlideShowWindow::modeClicked, w, [c](int i) { c->modeChange(i); });
    QObject::connect(w, &SlideShowWindow::delayUpClicked, w, [c] { c->delayUp(); });
    QObject::connect(w, &SlideShowWindow::delayDownClicked, w, [c] { c->delayDown(); });
    QObject::connect(w, &SlideShowWindow::panelClicked, w, [c] { c->focusHome(); });
    QObject::connect(w, &SlideShowWindow::imageClicked, w, [c] { c->imageClicked(); });
    QObject::connect(w, &SlideShowWindow::activated, w, [c] { c->imageClicked(); });
    QObject::connect(w, &SlideShowWindow::stepKey, w, [c](bool forward) {
        if (forward)
            c->StepForward();
        else
            c->StepBack();
    });
    QObject::connect(w, &SlideShowWindow::exitClicked, w, [this] { close(); });
    QObject::connect(w, &SlideShowWindow::copyRequested, w, [this](SlideControl s) { copyPicture(int(s)); });
    QObject::connect(w, &SlideShowWindow::tick, w, [c](SlideTimer t) {
        switch (t) {
        case SlideTimer::Photos:
            c->photoTick();
            break;
        case SlideTimer::ClipArt:
            c->clipArtTick();
            break;
        case SlideTimer::Emblems:
            c->emblemTick();
            break;
        }
    });
}

void SlideShowModule::copyPicture(int slot)
{
    SlidePicture* picture = m_window ? m_window->picture(SlideControl(slot)) : nullptr;
    if (!picture)
        return;
    const MessageAnswer a = m_ports.messages.ask(
        {errors::kTitle, kCopyQuestion, MessageIcon::Question, MessageButtons::YesNo, false});
    if (a != MessageAnswer::Yes)
        return;
    m_ports.clipboard.clear();
    m_ports.clipboard.setImage(picture->fullImage());
}
