#include "slideshow/slidecontroller.h"

#include "catalog/errorcodes.h"
#include "platform/screen.h"
#include "session/session.h"
#include "slideshow/slidelabels.h"
#include "slideshow/slideview.h"

namespace {

using Mode = SlideState::Mode;
using slidesteps::Step;
using C = SlideControl;

const QString& codeOf(Step step)
{
    switch (step) {
    case Step::Forward:
        return errc::kSlideStepForward;
    case Step::Back:
        return errc::kSlideStepBack;
    case Step::JumpForward:
        return errc::kSlideJumpForward;
    case Step::JumpBack:
        break;
    }
    return errc::kSlideJumpBack;
}

slidelabels::BrenmoreTest brenmoreTestOf(Step step)
{
    return step == Step::Forward || step == Step::JumpBack ? slidelabels::BrenmoreTest::FirstTwoBM
                                                           : slidelabels::BrenmoreTest::FirstB;
}

} // namespace

SlideController::SlideController(Session& session, ISlideView& view, const IScreen& screen)
    : m_s(session), m_view(view), m_screen(screen), m_frames(session, view)
{
}

void SlideController::focusHome()
{
    m_view.focusBeginning(); // refused while playing: SSCommand1 is disabled then
}

void SlideController::imageClicked()
{
    if (!m_s.slides.slideShowPlaying)
        m_view.focusBeginning();
}

void SlideController::delayUp()
{
    setDelay(slidesteps::delayUp(m_s.slides.slideInterval));
}

void SlideController::delayDown()
{
    setDelay(slidesteps::delayDown(m_s.slides.slideInterval));
}

void SlideController::setDelay(long ms)
{
    m_s.slides.slideInterval = ms;
    m_view.setCaption(C::PanInterval, QString::number(ms / 1000) + QStringLiteral(" seconds"));
    m_view.focusBeginning();
}

// Mode change ------------------------------------------------------------------------------------------

void SlideController::modeChange(int index)
{
    m_s.slides.mode = index == 0 ? Mode::Photos : index == 1 ? Mode::ClipArt : Mode::Emblems;
    m_view.checkMode(index);
    m_s.step.photoPosition = 0;
    m_s.slides.shownPhoto = 0; // every mode starts on its title picture
    if (!modeChangeShow(index)) {
        m_s.reporter.report(errc::kSlideModeChange);
        return;
    }
    // While the window is not shown yet (the launch) the focus cannot move; that ends the change quietly.
    if (!m_view.focusBeginning())
        return;
    m_s.slides.slideShowPlaying = false;
}

bool SlideController::modeChangeShow(int index)
{
    for (C c : {C::Picture2, C::Picture3, C::Picture4, C::PhotoNumber})
        m_view.setVisible(c, false);
    const int screenWidth = int(m_screen.widthTwips());
    const int pictureHeight = m_view.rect(C::Beginning).top() - 400;
    const QRect coStar = m_view.rect(C::CoStar);
    const auto title = [this](Mode mode) { return mediarules::slideModeTitle(mode).in(m_s.roots); };

    if (index == 0) {
        m_view.clearPicture(C::Image1);
        m_view.setVisible(C::Image1, true);
        m_view.setStretch(true);
        m_view.move(C::PanYear, 120, coStar.top() - m_view.rect(C::PanYear).height() - 100);
        m_view.setVisible(C::PanYear, false);
        if (!m_frames.load(0, title(Mode::Photos)))
            return false;
        m_view.move(C::Image1, 115, 140);
        m_view.resize(C::Image1, screenWidth - 200, pictureHeight);
    } else if (index == 1) {
        m_view.setVisible(C::Image1, true);
        m_view.clearPicture(C::Image1);
        m_view.move(C::Image1, 115, 140);
        m_view.resize(C::Image1, 9230, 5500);
        m_view.resize(C::Image1, screenWidth - 200, pictureHeight);
        m_view.setStretch(true);
        if (!m_frames.load(0, title(Mode::ClipArt)))
            return false;
        m_view.setCaption(C::PanYear, QStringLiteral("1953"));
        m_view.setVisible(C::PanYear, false);
        m_view.move(C::Image1, 60, m_view.rect(C::Image1).top());
        m_view.move(C::PanYear, 60, m_view.rect(C::PanYear).top());
        m_s.step.photoPosition = 0;
    } else {
        m_view.clearPicture(C::Image1);
        m_s.slides.folderNamePos = mediarules::kFirstEmblemSlide - 1;
        m_view.move(C::PanYear, m_view.rect(C::PanYear).left(), 3240);
        m_view.setVisible(C::PanYear, false);
        m_view.setStretch(true);
        m_view.resize(C::Image1, screenWidth - 100, pictureHeight);
        if (!m_frames.load(0, title(Mode::Emblems)))
            return false;
        m_view.move(C::Image1, 70, 80);
        m_view.setCaption(C::PanYear, QStringLiteral("1957"));
        m_view.move(C::PanYear, coStar.left(), coStar.top() - m_view.rect(C::PanYear).height() - 100);
        m_s.step.photoPosition = 0;
        m_view.raisePicture();
    }
    return true;
}

// Steps -------------------------------------------------------------------------------------------------

void SlideController::step(Step step)
{
    m_s.selection.refreshPending = false;
    if (!stepShow(step)) {
        m_s.reporter.report(codeOf(step));
        m_view.focusBeginning();
        return;
    }
    m_view.setVisible(C::PanYear, true);
    m_view.focusBeginning();
}

bool SlideController::stepShow(Step step)
{
    int& pos = m_s.step.photoPosition;
    const bool simple = step == Step::Forward || step == Step::Back;
    switch (m_s.slides.mode) {
    case Mode::Photos:
        pos = slidesteps::position(step, pos, m_s.index.photoCount());
        if (!m_frames.showPhotoSlide())
            return false;
        m_view.setVisible(C::PhotoNumber, true);
        m_frames.prepare(pos + 1);
        return true;
    case Mode::ClipArt:
        pos = slidesteps::position(step, pos, m_s.index.clipArtCount());
        m_view.setStretch(false);
        if (simple)
            m_view.setVisible(C::Image1, false);
        if (!m_frames.showClipArtSlide(brenmoreTestOf(step)))
            return false;
        if (simple)
            m_view.setVisible(C::Image1, true);
        m_frames.prepare(pos + 1);
        return true;
    case Mode::Emblems:
        if (step != Step::Forward)
            pos = slidesteps::position(step, pos, m_s.index.clipArtCount());
        m_s.slides.folderNamePos = slidesteps::emblem(step, m_s.slides.folderNamePos);
        m_frames.loadEmblemSlide();
        return true;
    }
    return true;
}

// Play and Pause ----------------------------------------------------------------------------------------

void SlideController::Play()
{
    m_view.setEnabled(C::SpinInterval, false);
    m_s.slides.slideShowPlaying = true;
    m_s.step.photoPosition += 1;
    m_s.selection.refreshPending = false;
    m_view.setBarEnabled(BarButton::Pause, true);
    for (BarButton b : {BarButton::Bkwd, BarButton::Fwd, BarButton::JumpBkwd, BarButton::JumpFwd})
        m_view.setBarEnabled(b, false);
    for (C c : {C::OptionPhotos, C::OptionClipArt, C::OptionEmblems, C::Beginning, C::Middle})
        m_view.setEnabled(c, false);
    m_s.selection.refreshPending = true;
    const int interval = int(m_s.slides.slideInterval);
    switch (m_s.slides.mode) {
    case Mode::Photos:
        m_view.setTimer(SlideTimer::Photos, interval);
        m_view.setVisible(C::PhotoNumber, true);
        m_frames.prepare(m_s.step.photoPosition);
        break;
    case Mode::ClipArt:
        if (m_view.stretched()) {
            m_view.setVisible(C::Image1, false);
            m_view.setStretch(false);
        }
        m_view.setTimer(SlideTimer::ClipArt, interval);
        m_frames.prepare(m_s.step.photoPosition);
        break;
    case Mode::Emblems:
        m_view.setTimer(SlideTimer::Emblems, interval);
        break;
    }
}

void SlideController::Pause()
{
    m_view.setEnabled(C::SpinInterval, true);
    m_s.selection.refreshPending = false;
    for (SlideTimer t : {SlideTimer::Photos, SlideTimer::ClipArt, SlideTimer::Emblems})
        m_view.setTimer(t, 0);
    m_view.setBarEnabled(BarButton::Pause, false);
    for (BarButton b : {BarButton::Bkwd, BarButton::Fwd, BarButton::JumpBkwd, BarButton::JumpFwd})
        m_view.setBarEnabled(b, true);
    for (C c : {C::OptionPhotos, C::OptionClipArt, C::OptionEmblems, C::Beginning, C::Middle})
        m_view.setEnabled(c, true);
    int& pos = m_s.step.photoPosition;
    pos = pos == 0 ? m_s.index.photoCount() : pos - 1;
    m_view.focusBeginning();
}

// Ticks -------------------------------------------------------------------------------------------------

void SlideController::tickFailed(const QString& code)
{
    Pause();
    m_s.reporter.report(code);
}

void SlideController::photoTick()
{
    int& pos = m_s.step.photoPosition;
    if (pos == 0)
        pos = 1;
    if (pos <= m_s.index.photoCount()) {
        if (!m_frames.showPhotoSlide()) {
            tickFailed(errc::kSlidePhotoTick);
            return;
        }
        pos += 1;
    } else {
        pos = 1;
    }
    m_view.setVisible(C::PanYear, true);
    m_frames.prepare(pos);
}

void SlideController::clipArtTick()
{
    m_view.setVisible(C::Image1, true);
    int& pos = m_s.step.photoPosition;
    if (pos == 0)
        pos = 1;
    if (pos > m_s.index.clipArtCount()) {
        pos = 1;
    } else {
        if (!m_frames.showClipArtSlide(std::nullopt)) {
            tickFailed(errc::kSlideClipArtTick);
            return;
        }
        pos += 1;
    }
    m_view.setVisible(C::PanYear, true);
    m_frames.prepare(pos);
}

void SlideController::emblemTick()
{
    m_s.slides.folderNamePos = slidesteps::emblemTick(m_s.slides.folderNamePos);
    m_frames.loadEmblemSlide();
    m_view.setVisible(C::PanYear, true);
}

// Beginning and Middle ----------------------------------------------------------------------------------

void SlideController::Beginning()
{
    m_view.setVisible(C::Image1, true);
    m_view.setCaption(C::PanYear, QStringLiteral("1953"));
    m_view.setVisible(C::PanYear, true);
    const PhotoIndex& index = m_s.index;
    bool shown = true;
    switch (m_s.slides.mode) {
    case Mode::Photos:
        m_s.step.photoPosition = 1;
        shown = m_frames.load(0, index.photoFile(1));
        if (shown) {
            m_s.slides.shownPhoto = 1;
            m_view.setCaption(C::PhotoNumber, slidelabels::counterText(1, index.photoCount()));
            m_view.setVisible(C::PhotoNumber, true);
        }
        break;
    case Mode::ClipArt:
        m_view.setStretch(false);
        shown = m_frames.load(0, mediarules::firstClipArtSlide().in(m_s.roots));
        if (shown) {
            const int left = (m_view.windowWidth() - m_view.rect(C::Image1).width()) / 2;
            m_view.move(C::Image1, left, 1000);
            m_view.move(C::PanYear, left, 4200);
            m_s.step.photoPosition = 1;
        }
        break;
    case Mode::Emblems:
        m_s.slides.folderNamePos = mediarules::kFirstEmblemSlide;
        shown = m_frames.showEmblemSlideDirect(mediarules::kFirstEmblemSlide);
        if (shown)
            m_s.step.photoPosition = 0;
        break;
    }
    if (!shown)
        m_s.reporter.report(errc::kSlideJumpBack); // Beginning jumps back to the first slide
}

void SlideController::Middle()
{
    m_view.setVisible(C::Image1, true);
    m_view.setVisible(C::PanYear, true);
    const PhotoIndex& index = m_s.index;
    bool shown = true;
    switch (m_s.slides.mode) {
    case Mode::Photos: {
        if (index.photoCount() < 1)
            return; // an empty list has no middle
        const int pos = std::max(slidelabels::halfRoundedToEven(index.photoCount()), 1);
        m_s.step.photoPosition = pos;
        const QString path = index.photoFile(pos);
        shown = m_frames.load(0, path);
        if (shown) {
            m_s.slides.shownPhoto = pos;
            m_s.slides.folderNamePos = SlideFrames::folderPosition(path, mediarules::folder::kZephanes);
            const int at =
                std::max(m_s.slides.folderNamePos - 1, 0) + int(mediarules::folder::kZephanes.size());
            m_view.setCaption(C::PanYear, QStringLiteral("19") + path.mid(at, 2));
            m_view.setCaption(C::PhotoNumber, slidelabels::counterText(pos, index.photoCount()));
            m_view.setVisible(C::PhotoNumber, true);
        }
        break;
    }
    case Mode::ClipArt: {
        if (index.clipArtCount() < 1)
            return;
        const int pos = std::max(slidelabels::halfRoundedToEven(index.clipArtCount()), 1);
        m_s.step.photoPosition = pos;
        const QString path = index.clipArtFile(pos);
        shown = m_frames.load(0, path);
        if (shown) {
            m_s.slides.folderNamePos = SlideFrames::folderPosition(path, mediarules::folder::kClipArtSlides);
            const int at =
                std::max(m_s.slides.folderNamePos - 1, 0) + int(mediarules::folder::kClipArtSlides.size());
            m_view.setCaption(C::PanYear, path.mid(at, 4));
            const int left = (m_view.windowWidth() - m_view.rect(C::Image1).width()) / 2;
            m_view.move(C::Image1, left, 1000);
            m_view.move(C::PanYear, left, 4200);
        }
        break;
    }
    case Mode::Emblems: {
        constexpr int kMiddleSlide = 78;
        shown = m_frames.showEmblemSlideDirect(kMiddleSlide);
        if (shown) {
            m_s.slides.folderNamePos = kMiddleSlide;
            m_view.setCaption(C::PanYear, QStringLiteral("1978"));
            const QRect coStar = m_view.rect(C::CoStar);
            m_view.move(C::PanYear, coStar.left(), coStar.top() - m_view.rect(C::PanYear).height() - 100);
            m_s.step.photoPosition = 0;
        }
        break;
    }
    }
    if (!shown)
        m_s.reporter.report(errc::kSlideJumpForward); // Middle jumps forward to the middle slide
}

// Launch ------------------------------------------------------------------------------------------------

bool SlideController::openAtLaunch()
{
    m_view.setEnabled(C::SpinInterval, true);
    m_s.slides.slideInterval = 1000;
    m_view.setCaption(C::PanInterval, QStringLiteral(" 1 second"));
    m_view.setTimer(SlideTimer::Photos, 0);
    modeChange(0);
    m_s.slides.slideShowPlaying = false; // a new show starts paused, however the last one ended

    const PhotoIndex& index = m_s.index;
    const int shown = m_s.step.shownPhotoIndex;
    if (shown < 1) {
        m_s.step.photoPosition = 1;
    } else {
        m_s.step.photoPosition = shown;
        if (shown > index.photoCount() || !m_frames.load(0, index.photoFile(shown))) {
            m_s.reporter.report(errc::kSlidePhotoTick);
            return false;
        }
        m_s.slides.shownPhoto = shown;
        m_view.setVisible(C::PanYear, true);
        m_view.setCaption(C::PhotoNumber, slidelabels::counterText(shown, index.photoCount()));
        m_view.setVisible(C::PhotoNumber, true);
    }
    m_s.slides.folderNamePos = SlideFrames::folderPosition(index.photoFile(1), mediarules::folder::kZephanes);
    m_frames.showSlideLabel();
    m_s.step.photoPosition = shown;
    m_frames.prepare(shown + 1);
    return true;
}
