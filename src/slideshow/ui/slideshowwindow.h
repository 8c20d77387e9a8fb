#pragma once

#include <array>
#include <map>

#include <QDialog>
#include <QTimer>

#include "slideshow/doc/slidepicturesource.h"
#include "slideshow/slideview.h"

class IClock;
class QAbstractButton;
class QButtonGroup;
class QRadioButton;
class QPushButton;
class QToolButton;
class SlidePanel;
class SlidePicture;

// The full-screen slide-show window (frmSlide): the picture area, the label and counter, the jump buttons,
// the mode buttons, the delay spinner, the control bar and a clock. It places its controls in twips, owns
// the four timers and announces every user action; SlideController decides what happens.
class SlideShowWindow : public QDialog, public ISlideView {
    Q_OBJECT
public:
    SlideShowWindow(const IClock& clock, QWidget* parent);
    ~SlideShowWindow() override;

    // The widget's own overloads stay reachable beside the ones taking a control.
    using QDialog::isVisible;
    using QDialog::move;
    using QDialog::rect;
    using QDialog::resize;
    using QDialog::setEnabled;
    using QDialog::setVisible;

    // ISlideView
    bool loadPicture(SlideControl slot, const QString& file) override;
    void clearPicture(SlideControl slot) override;
    void setStretch(bool on) override;
    bool stretched() const override;
    void prepare(const QStringList& files) override;
    void raisePicture() override;
    QRect rect(SlideControl control) const override;
    void move(SlideControl control, int left, int top) override;
    void resize(SlideControl control, int width, int height) override;
    void setVisible(SlideControl control, bool visible) override;
    bool isVisible(SlideControl control) const override;
    void setEnabled(SlideControl control, bool enabled) override;
    void setCaption(SlideControl control, const QString& caption) override;
    QString caption(SlideControl control) const override;
    int windowWidth() const override;
    void setBarEnabled(BarButton button, bool enabled) override;
    bool barEnabled(BarButton button) const override;
    void setTimer(SlideTimer timer, int intervalMs) override;
    bool focusBeginning() override;
    void checkMode(int index) override;

    QWidget* control(SlideControl control) const;
    QAbstractButton* barButton(BarButton button) const;
    SlidePicture* picture(SlideControl slot) const;
    QTimer& timer(SlideTimer timer);
    QTimer& clockTimer() { return m_clockTimer; }
    SlidePictureSource& pictures() { return m_pictures; }
    // Timer3's tick: the clock panels for now, and the timer set to the next whole second.
    void updateClock();
    void stopTimers();

signals:
    void barClicked(BarButton button);
    void beginningClicked();
    void middleClicked();
    void modeClicked(int index);
    void delayUpClicked();
    void delayDownClicked();
    void panelClicked(); // a panel or a side picture: the focus goes home
    void imageClicked(); // Image1, left button
    void copyRequested(SlideControl slot);
    void stepKey(bool forward); // "," / "." on Beginning
    void exitClicked();         // cmdExit
    void tick(SlideTimer timer);
    void activated(); // the window came to the front again

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void build();
    void buildControlBar();
    void buildSpinner();
    void place(SlideControl control);

    const IClock& m_clock;
    SlidePictureSource m_pictures;
    std::map<SlideControl, QWidget*> m_controls;
    std::map<SlideControl, QRect> m_twips;
    std::array<QToolButton*, 7> m_bar{};
    QButtonGroup* m_modes = nullptr;
    std::array<QTimer, 3> m_timers; // Timer1, Timer2, Timer4
    QTimer m_clockTimer;            // Timer3
};
