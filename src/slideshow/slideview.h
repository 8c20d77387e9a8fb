#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

// The controls of the slide-show window that the slide operations drive.
enum class SlideControl {
    Image1,
    Picture2,
    Picture3,
    Picture4, // the four pictures
    PanYear,
    PhotoNumber,
    CoStar, // label, counter, title panel
    Beginning,
    Middle, // SSCommand1, SSCommand2
    OptionPhotos,
    OptionClipArt,
    OptionEmblems,
    SpinInterval,
    PanInterval,
    ControlBar,
    StatusDay,
    StatusDate,
    StatusTime,
    CmdExit,
};

// The seven buttons of the control bar, left to right.
enum class BarButton { Bkwd, Fwd, Play, Pause, JumpBkwd, JumpFwd, Exit };

// Timer1, Timer2 and Timer4.
enum class SlideTimer { Photos, ClipArt, Emblems };

// What the slide logic needs of its window. Positions and sizes are twips of the window (15 per pixel).
class ISlideView {
public:
    virtual ~ISlideView() = default;

    // Pictures (Image1, Picture2..4). A picture takes its own size unless Image1 is stretched.
    virtual bool loadPicture(SlideControl slot,
                             const QString& file) = 0; // a real file; false when unreadable
    virtual void clearPicture(SlideControl slot) = 0;
    virtual void setStretch(bool on) = 0; // Image1 only
    virtual bool stretched() const = 0;
    // The files the show will most likely load next; the window may decode them ahead.
    virtual void prepare(const QStringList& files) = 0;
    virtual void raisePicture() = 0; // Image1 in front of the other pictures; the controls stay in front

    virtual QRect rect(SlideControl control) const = 0;
    virtual void move(SlideControl control, int left, int top) = 0;
    virtual void resize(SlideControl control, int width, int height) = 0;
    virtual void setVisible(SlideControl control, bool visible) = 0;
    virtual bool isVisible(SlideControl control) const = 0;
    virtual void setEnabled(SlideControl control, bool enabled) = 0;
    virtual void setCaption(SlideControl control, const QString& caption) = 0;
    virtual QString caption(SlideControl control) const = 0;
    virtual int windowWidth() const = 0;

    virtual void setBarEnabled(BarButton button, bool enabled) = 0;
    virtual bool barEnabled(BarButton button) const = 0;

    // Interval 0 stops the timer.
    virtual void setTimer(SlideTimer timer, int intervalMs) = 0;
    // Gives SSCommand1 the focus; false when it cannot take it (disabled, or the window is not shown).
    virtual bool focusBeginning() = 0;
    // Checks the mode button of the mode without running its handler.
    virtual void checkMode(int index) = 0;
};
