#pragma once

#include <functional>
#include <memory>

class IMainFrame;
class SlideController;
class SlideHandOver;
class SlideShowWindow;
struct Ports;
struct Session;

// The slide-show subsystem's wiring: registers Command::SlideShow (mnuSlideShow), fills
// session.hooks.closeSlideShow, and for each launch builds the window with its controller, shows it
// modally and lets it go when it closes.
class SlideShowModule {
public:
    SlideShowModule(Session& session, const Ports& ports, IMainFrame& frame);
    ~SlideShowModule();

    // mnuSlideShow: returns once the window has closed.
    void launch();

    // How the window is shown modally; tests drive it instead of waiting for a person.
    void setModalRunner(std::function<void(SlideShowWindow&)> runner) { m_runModal = std::move(runner); }
    SlideShowWindow* window() const { return m_window.get(); }
    SlideController* controller() const { return m_controller.get(); }

private:
    void connectWindow();
    void copyPicture(int slot);
    void close();

    Session& m_s;
    const Ports& m_ports;
    IMainFrame& m_frame;
    std::function<void(SlideShowWindow&)> m_runModal;
    std::unique_ptr<SlideShowWindow> m_window;
    std::unique_ptr<SlideController> m_controller;
    std::unique_ptr<SlideHandOver> m_handOver;
};
