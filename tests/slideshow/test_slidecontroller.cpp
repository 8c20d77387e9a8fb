// The slide operations against a scripted window: modes, steps, play and pause, ticks, Beginning and Middle.
#include "catalog/errorcodes.h"
#include "slidefixture.h"
#include "slideshow/smallscreenlayout.h"

namespace {

using C = SlideControl;

struct SlideOps : SlideFixture {};

TEST_F(SlideOps, ModeChangeShowsTheTitlePictureAndResetsTheCursor)
{
    photoCount(3);
    struct Row {
        int index;
        const char* title;
        bool stretched;
    };
    for (const Row& r :
         {Row{0, "97emboss.jpg", true}, Row{1, "53tile.jpg", true}, Row{2, "insignia.jpg", true}}) {
        pos() = 7;
        session.slides.slideShowPlaying = true;
        view.hidden.clear();
        controller.modeChange(r.index);
        EXPECT_EQ(shown(), r.title);
        EXPECT_EQ(pos(), 0);
        EXPECT_EQ(view.stretch, r.stretched);
        EXPECT_FALSE(view.isVisible(C::PanYear));
        EXPECT_FALSE(view.isVisible(C::PhotoNumber));
        EXPECT_FALSE(view.isVisible(C::Picture2));
        EXPECT_FALSE(session.slides.slideShowPlaying);
        EXPECT_EQ(view.checkedMode, r.index);
    }
    EXPECT_EQ(session.slides.folderNamePos, 52);
    EXPECT_EQ(label(), "1957");
    EXPECT_EQ(view.raised, 1);
    // Photos: the picture spans the screen less 200 twips, down to 400 above "Beginning".
    controller.modeChange(0);
    EXPECT_EQ(view.rect(C::Image1), QRect(115, 140, 12000 - 200, 7380 - 400));
    EXPECT_EQ(reports(), 0);
}

TEST_F(SlideOps, ModeChangeWhileHiddenEndsQuietlyAndAMissingTitleReports)
{
    photoCount(3);
    view.shown = false; // as during the launch
    session.slides.slideShowPlaying = true;
    controller.modeChange(0);
    EXPECT_TRUE(session.slides.slideShowPlaying);
    EXPECT_EQ(reports(), 0);

    view.shown = true;
    QFile::remove(tree.file("graphics/53tile.jpg"));
    controller.modeChange(1);
    EXPECT_EQ(reported(), errc::kSlideModeChange);
    EXPECT_TRUE(session.slides.slideShowPlaying); // the failure ends the change before the last step
    EXPECT_EQ(session.slides.mode, SlideState::Mode::ClipArt);
}

TEST_F(SlideOps, PlayAndPauseSwitchTheControlsAndTheCursor)
{
    photoCount(5);
    controller.modeChange(0);
    pos() = 3;
    session.slides.slideInterval = 15000;
    controller.Play();
    EXPECT_EQ(pos(), 4);
    EXPECT_TRUE(session.slides.slideShowPlaying);
    EXPECT_TRUE(session.selection.refreshPending);
    EXPECT_EQ(view.timer(SlideTimer::Photos), 15000);
    EXPECT_TRUE(view.barEnabled(BarButton::Pause));
    for (BarButton b : {BarButton::Bkwd, BarButton::Fwd, BarButton::JumpBkwd, BarButton::JumpFwd})
        EXPECT_FALSE(view.barEnabled(b));
    EXPECT_TRUE(view.barEnabled(BarButton::Play));
    EXPECT_TRUE(view.barEnabled(BarButton::Exit));
    for (C c :
         {C::OptionPhotos, C::OptionClipArt, C::OptionEmblems, C::Beginning, C::Middle, C::SpinInterval})
        EXPECT_FALSE(view.enabled(c));
    EXPECT_EQ(shown(), "97emboss.jpg");           // nothing is shown before the first interval
    EXPECT_EQ(view.prepared.back(), "53A04.JPG"); // but the first slide is decoded ahead

    controller.Pause(); // before any tick: back on the slide on display
    EXPECT_EQ(pos(), 3);
    EXPECT_TRUE(session.slides.slideShowPlaying); // only a mode change clears it
    EXPECT_FALSE(session.selection.refreshPending);
    EXPECT_EQ(view.timer(SlideTimer::Photos), 0);
    EXPECT_FALSE(view.barEnabled(BarButton::Pause));
    for (C c :
         {C::OptionPhotos, C::OptionClipArt, C::OptionEmblems, C::Beginning, C::Middle, C::SpinInterval})
        EXPECT_TRUE(view.enabled(c));

    controller.Play();
    controller.Play(); // twice: the first slide shown is two past the one on display
    controller.photoTick();
    EXPECT_EQ(shown(), "53A05.JPG");

    controller.Pause();
    pos() = 0;
    controller.Pause(); // from 0 the cursor goes to the last photo, in every mode
    EXPECT_EQ(pos(), 5);
}

TEST_F(SlideOps, PhotoTicksRunToTheEndKeepTheLastForOneIntervalThenStartAgain)
{
    photoCount(3);
    controller.modeChange(0);
    controller.Play(); // from 0: first slide is 1
    std::vector<QString> seen;
    for (int i = 0; i < 5; ++i) {
        controller.photoTick();
        seen.push_back(shown() + " " + counter());
    }
    EXPECT_EQ(seen, (std::vector<QString>{"53A01.JPG 1 of 3", "53A02.JPG 2 of 3", "53A03.JPG 3 of 3",
                                          "53A03.JPG 3 of 3", "53A01.JPG 1 of 3"}));
    EXPECT_TRUE(view.isVisible(C::PanYear));
    EXPECT_EQ(label(), "1953");
    EXPECT_EQ(reports(), 0);
}

TEST_F(SlideOps, AFailingTickStopsTheShowAndReportsOnce)
{
    photoCount(3);
    tree.add("zephanes/53A02.JPG", "bad");
    controller.modeChange(0);
    controller.Play();
    controller.photoTick();
    controller.photoTick();
    EXPECT_EQ(reported(), errc::kSlidePhotoTick);
    EXPECT_EQ(reports(), 1);
    EXPECT_EQ(view.timer(SlideTimer::Photos), 0);
    EXPECT_EQ(pos(), 1); // names photo 1, which stays on display
    EXPECT_EQ(shown(), "53A01.JPG");
}

TEST_F(SlideOps, StepOperationsMoveShowAndReportWithTheirOwnCode)
{
    photoCount(30);
    struct Row {
        void (SlideController::*op)();
        int from;
        const char* photo;
        const char* counter;
    };
    const Row rows[] = {
        {&SlideController::StepForward, 30, "53A01.JPG", "1 of 30"},
        {&SlideController::StepBack, 1, "53A30.JPG", "30 of 30"},
        {&SlideController::JumpBack, 5, "53A30.JPG", "30 of 30"},
        {&SlideController::JumpBack, 21, "53A01.JPG", "1 of 30"},
        {&SlideController::JumpForward, 20, "53A01.JPG", "1 of 30"},
        {&SlideController::JumpForward, 10, "53A01.JPG", "1 of 30"},
        {&SlideController::JumpForward, 9, "53A29.JPG", "29 of 30"},
    };
    controller.modeChange(0);
    for (const Row& r : rows) {
        pos() = r.from;
        session.selection.refreshPending = true;
        (controller.*r.op)();
        EXPECT_EQ(shown(), r.photo) << r.from;
        EXPECT_EQ(counter(), r.counter) << r.from;
        EXPECT_TRUE(view.isVisible(C::PhotoNumber));
        EXPECT_TRUE(view.isVisible(C::PanYear));
        EXPECT_FALSE(session.selection.refreshPending);
    }
    EXPECT_EQ(reports(), 0);

    const std::pair<void (SlideController::*)(), QString> codes[] = {
        {&SlideController::StepForward, errc::kSlideStepForward},
        {&SlideController::StepBack, errc::kSlideStepBack},
        {&SlideController::JumpForward, errc::kSlideJumpForward},
        {&SlideController::JumpBack, errc::kSlideJumpBack},
    };
    for (int i = 1; i <= 30; ++i)
        tree.add(QStringLiteral("zephanes/53A%1.JPG").arg(i, 2, 10, QLatin1Char('0')), "bad");
    for (const auto& [op, code] : codes) {
        pos() = 15;
        const int focus = view.focusCount;
        (controller.*op)();
        EXPECT_EQ(reported(), code);
        EXPECT_NE(pos(), 15); // the move before the failure stays
        EXPECT_EQ(view.focusCount, focus + 1);
    }
}

TEST_F(SlideOps, EmptyListsReportInsteadOfShowing)
{
    photos({});
    clipArt({});
    controller.modeChange(0);
    controller.StepForward();
    EXPECT_EQ(reported(), errc::kSlideStepForward);
    controller.modeChange(1);
    controller.StepBack();
    EXPECT_EQ(reported(), errc::kSlideStepBack);
    controller.Play();
    controller.clipArtTick(); // nothing to show: the cursor stays at 1, nothing is reported
    EXPECT_EQ(reports(), 2);
}

TEST_F(SlideOps, ClipArtLabelsByTickAndByStep)
{
    photoCount(2);
    clipArt({"1963.jpg", "BMturbo.jpg", "bmlow.jpg", "SKI.jpg", "ZR1.jpg"});
    view.sizes["1963.jpg"] = QSize(3000, 2000);
    controller.modeChange(1);
    controller.StepForward(); // 1963.jpg
    EXPECT_EQ(label(), "1963 ");
    EXPECT_FALSE(view.stretch);
    EXPECT_TRUE(view.isVisible(C::Image1));
    EXPECT_EQ(view.rect(C::Image1).topLeft(), QPoint((12000 - 3000) / 2, 1000));
    EXPECT_EQ(view.rect(C::PanYear).topLeft(), QPoint((12000 - 3000) / 2, 4200));
    controller.StepForward();
    EXPECT_EQ(label(), "Brenmore Twin-Turbo ");
    controller.StepForward();
    EXPECT_EQ(label(), "Malibu Zephane Ski Boat ");
    pos() = 4;
    controller.StepForward(); // lower-case "bm": no Brenmore for the steps
    EXPECT_EQ(label(), "bmlo ");

    controller.Play(); // clip art: stretching goes, the picture waits for the tick
    pos() = 2;
    std::vector<QString> ticks;
    for (int i = 0; i < 4; ++i) {
        controller.clipArtTick();
        ticks.push_back(label());
    }
    EXPECT_EQ(ticks, (std::vector<QString>{"Brenmore Twin-Turbo ", "Malibu Zephane Ski Boat ",
                                           "1990-1995 ZR-1 ", "Brenmore Twin-Turbo "}));
    EXPECT_EQ(view.timer(SlideTimer::ClipArt), 1000);
}

TEST_F(SlideOps, EmblemStepsRunThroughTheSkiBoatAndWrap)
{
    photoCount(2);
    clipArt({"1953.jpg", "1954.jpg"});
    controller.modeChange(2);
    session.slides.folderNamePos = 102;
    std::vector<QString> labels;
    for (int i = 0; i < 3; ++i) {
        controller.StepForward();
        labels.push_back(label());
    }
    EXPECT_EQ(labels,
              (std::vector<QString>{"Kavell Automotive Concepts ", "Malibu Zephane Ski Boat ", "1953 "}));
    EXPECT_EQ(pos(), 0); // StepForward leaves the cursor alone in this mode
    controller.StepBack();
    EXPECT_EQ(session.slides.folderNamePos, 103);
    EXPECT_EQ(pos(), 2);     // the other steps move it by the clip-art column
    EXPECT_EQ(reports(), 0); // no emblem file exists, and nothing is reported

    controller.Play();
    session.slides.folderNamePos = 82;
    controller.emblemTick();
    EXPECT_EQ(label(), "1984 ");
    EXPECT_TRUE(view.isVisible(C::PanYear));
}

TEST_F(SlideOps, BeginningAndMiddle)
{
    photos({"53A.JPG", "53B.JPG", "GA1.JPG", "GA2.JPG", "GA3.JPG", "TT1.JPG", "TT2.JPG"});
    controller.modeChange(0);
    controller.Middle(); // 7 photos: the 4th, labelled by its code without a collection look-up
    EXPECT_EQ(shown(), "GA2.JPG");
    EXPECT_EQ(label(), "19GA");
    EXPECT_EQ(counter(), "4 of 7");
    controller.Beginning();
    EXPECT_EQ(shown(), "53A.JPG");
    EXPECT_EQ(label(), "1953");
    EXPECT_EQ(counter(), "1 of 7");
    EXPECT_EQ(pos(), 1);

    clipArt({"1953.jpg", "1954.jpg", "1955.jpg", "1956.jpg", "1957.jpg"});
    controller.modeChange(1);
    controller.Middle(); // 5: the 2nd
    EXPECT_EQ(shown(), "1954.jpg");
    EXPECT_EQ(label(), "1954");
    controller.Beginning();
    EXPECT_EQ(shown(), "1953.jpg");
    EXPECT_EQ(pos(), 1);
    EXPECT_FALSE(view.stretch);
    EXPECT_EQ(reports(), 0);

    controller.modeChange(2);
    controller.Beginning(); // emb53f and scri53 are missing
    EXPECT_EQ(reported(), errc::kSlideJumpBack);
    emblemFiles({"embfront/emb53f.jpg", "scripts/scri53.jpg", "embrear/emb78r.jpg", "embside/emb78s.jpg",
                 "embfront/emb78f.jpg", "scripts/scri78.jpg"});
    controller.Beginning();
    EXPECT_EQ(session.slides.folderNamePos, 53);
    EXPECT_FALSE(view.isVisible(C::Image1));
    EXPECT_FALSE(view.isVisible(C::Picture2));
    EXPECT_EQ(view.picture(C::Picture4), "scri53.jpg");
    // The script sits above the control bar, centred.
    EXPECT_EQ(view.rect(C::Picture4).topLeft(),
              QPoint((12000 - 1500) / 2, view.rect(C::ControlBar).top() - 900 - 300));
    controller.Middle();
    EXPECT_EQ(session.slides.folderNamePos, 78);
    EXPECT_EQ(label(), "1978");
    for (C c : {C::Image1, C::Picture2, C::Picture3, C::Picture4})
        EXPECT_TRUE(view.isVisible(c));
}

TEST_F(SlideOps, DelaySpinnerCaptionsAndFocus)
{
    photoCount(1);
    session.slides.slideInterval = 5000;
    controller.delayUp();
    EXPECT_EQ(view.caption(C::PanInterval), "10 seconds");
    session.slides.slideInterval = 60000;
    controller.delayUp();
    EXPECT_EQ(view.caption(C::PanInterval), "1 seconds");
    controller.delayDown();
    EXPECT_EQ(session.slides.slideInterval, 60000);
    EXPECT_EQ(view.caption(C::PanInterval), "60 seconds");
    EXPECT_EQ(view.focusCount, 3);
}

TEST_F(SlideOps, LaunchOpensOnTheMainWindowsPhotoOrTheTitle)
{
    photoCount(4);
    view.shown = false;
    session.slides.slideInterval = 25000;
    session.step.shownPhotoIndex = 0;
    ASSERT_TRUE(controller.openAtLaunch());
    EXPECT_EQ(session.slides.slideInterval, 1000);
    EXPECT_EQ(view.caption(C::PanInterval), " 1 second");
    EXPECT_EQ(shown(), "97emboss.jpg");
    EXPECT_FALSE(view.isVisible(C::PhotoNumber));
    EXPECT_EQ(pos(), 0);
    view.shown = true;
    controller.Play();
    controller.photoTick();
    EXPECT_EQ(shown(), "53A01.JPG");

    controller.Pause();
    view.shown = false;
    session.step.shownPhotoIndex = 4;
    ASSERT_TRUE(controller.openAtLaunch());
    EXPECT_EQ(shown(), "53A04.JPG");
    EXPECT_EQ(counter(), "4 of 4");
    EXPECT_TRUE(view.isVisible(C::PhotoNumber));
    EXPECT_TRUE(view.isVisible(C::PanYear));
    EXPECT_EQ(label(), "1953");
    view.shown = true;
    controller.StepForward(); // wraps to photo 1
    EXPECT_EQ(shown(), "53A01.JPG");
    EXPECT_EQ(reports(), 0);

    tree.add("zephanes/53A02.JPG", "bad");
    session.step.shownPhotoIndex = 2;
    EXPECT_FALSE(controller.openAtLaunch());
    EXPECT_EQ(reported(), errc::kSlidePhotoTick);
}

TEST_F(SlideOps, MiddleInInsigniasPlacesTheEmblemsAtTheirOwnSize)
{
    photoCount(2);
    emblemFiles({"embrear/emb78r.jpg", "embside/emb78s.jpg", "embfront/emb78f.jpg", "scripts/scri78.jpg",
                 "embfront/emb53f.jpg", "scripts/scri53.jpg"});
    view.sizes["emb78r.jpg"] = QSize(1200, 700);
    controller.modeChange(2); // the title picture is stretched over the picture area
    ASSERT_TRUE(view.stretch);
    controller.Middle();
    EXPECT_FALSE(view.stretch);
    // The rear emblem takes its own size, centred in the left half, as every emblem slide places it.
    EXPECT_EQ(view.rect(C::Image1), QRect((12000 / 2 - 1200) / 2, 60, 1200, 700));
    controller.modeChange(2);
    controller.Beginning(); // 1953 has no rear emblem, and nothing stays stretched for the next slide
    EXPECT_FALSE(view.stretch);
    EXPECT_EQ(reports(), 0);
}

TEST_F(SlideOps, ANewShowStartsPausedWhateverTheLastOneLeft)
{
    photoCount(3);
    session.slides.slideShowPlaying = true; // the last show was closed while playing
    view.shown = false;
    ASSERT_TRUE(controller.openAtLaunch());
    EXPECT_FALSE(session.slides.slideShowPlaying);
    view.shown = true;
    const int focus = view.focusCount;
    controller.imageClicked(); // a click on the picture, or the window coming to the front
    EXPECT_EQ(view.focusCount, focus + 1);
}

TEST_F(SlideOps, TheNextSlideIsDecodedAheadUpToTheLast)
{
    photoCount(3);
    controller.modeChange(0);
    controller.StepForward(); // photo 1 on display
    controller.StepForward(); // photo 2: the last comes next
    EXPECT_EQ(view.prepared.back(), "53A03.JPG");
    controller.StepForward(); // the last: photo 1 comes next
    EXPECT_EQ(view.prepared.back(), "53A01.JPG");
    controller.Beginning();
    controller.Play();
    controller.photoTick(); // photo 2 while playing
    EXPECT_EQ(view.prepared.back(), "53A03.JPG");
    controller.photoTick();
    EXPECT_EQ(view.prepared.back(), "53A01.JPG");

    controller.Pause();
    clipArt({"1953.jpg", "1954.jpg", "1955.jpg"});
    controller.modeChange(1);
    controller.StepForward();
    controller.StepForward();
    EXPECT_EQ(view.prepared.back(), "1955.jpg");
    controller.Play();
    EXPECT_EQ(view.prepared.back(), "1955.jpg");
    controller.clipArtTick();
    EXPECT_EQ(view.prepared.back(), "1953.jpg");
    EXPECT_EQ(reports(), 0);
}

TEST(SmallScreenLayout, TheCounterSitsRightAboveTheLabel)
{
    FakeSlideView view;
    applySmallScreenLayout(view);
    const QRect label = view.rect(C::PanYear);
    EXPECT_EQ(label.top(), 5900);
    EXPECT_EQ(view.rect(C::PhotoNumber).topLeft(), QPoint(label.left(), label.top() - 220));
    EXPECT_EQ(view.rect(C::ControlBar).left(), view.rect(C::Beginning).left());
}

} // namespace
