#pragma once

#include "slideshow/slideframes.h"
#include "slideshow/slidesteps.h"

class IScreen;
class ISlideView;
struct Session;

// The slide operations of the slide-show window: the mode change, stepping and jumping, Beginning and
// Middle, Play and Pause, the three slide ticks and the delay spinner. The window only forwards its events;
// the timers it owns call the ticks, and tests call them by hand.
class SlideController {
public:
    SlideController(Session& session, ISlideView& view, const IScreen& screen);

    void modeChange(int index);
    void StepForward() { step(slidesteps::Step::Forward); }
    void StepBack() { step(slidesteps::Step::Back); }
    void JumpForward() { step(slidesteps::Step::JumpForward); }
    void JumpBack() { step(slidesteps::Step::JumpBack); }
    void Play();
    void Pause();
    void Beginning();
    void Middle();

    void photoTick();
    void clipArtTick();
    void emblemTick();

    void delayUp();
    void delayDown();
    // A click on a panel or a side picture, and (while paused) on Image1 or a repaint.
    void focusHome();
    void imageClicked();

    // The launch's part inside the window: delay reset, Photos mode, the main window's photo. False (with
    // the failure reported) when that photo cannot be shown.
    bool openAtLaunch();

    SlideFrames& frames() { return m_frames; }

private:
    void step(slidesteps::Step step);
    bool stepShow(slidesteps::Step step);
    bool modeChangeShow(int index);
    void setDelay(long ms);
    // A slide that cannot be shown while playing stops the show before the report, so the next tick does
    // not report the same slide again behind the message.
    void tickFailed(const QString& code);

    Session& m_s;
    ISlideView& m_view;
    const IScreen& m_screen;
    SlideFrames m_frames;
};
