// HandOverSlide: what the main window is told, in which order, and what the shared state holds afterwards.
#include <QRegularExpression>

#include "catalog/catalogue.h"
#include "catalog/errorcodes.h"
#include "slidefixture.h"
#include "slideshow/slidehandover.h"

namespace {

// Records the main window's side of the hand-over as one line per effect.
struct HandOverFixture : SlideFixture {
    SlideHandOver handOver{session, view};
    std::vector<QString> effects;
    bool photoLoads = true;

    void SetUp() override
    {
        SlideFixture::SetUp();
        auto& h = session.hooks;
        h.slideHandOver.showPhoto = [this](const QString& path) {
            effects.push_back("photo " + path.section('\\', -1));
            return photoLoads;
        };
        h.slideHandOver.setPhotoNumber = [this](const QString& n) { effects.push_back("number " + n); };
        h.slideHandOver.showEntryLabel = [this] {
            effects.push_back("label " + session.selection.entryText);
        };
        h.slideHandOver.setFileName = [this](const QString& n) { effects.push_back("file " + n); };
        h.slideHandOver.setStatsCaption = [this](const QString& c) { effects.push_back("stats " + c); };
        h.slideHandOver.focusYearButton = [this](int i) { effects.push_back("focus " + QString::number(i)); };
        // The main window's RefreshEntryPictures: the code from characters 3 and 4 of its label.
        h.refreshEntryPictures = [this] {
            session.selection.entryCode = session.selection.entryText.mid(2, 2);
            effects.push_back("refresh");
        };
        h.closeSlideShow = [this] { effects.push_back("close"); };
        session.selection.entryText = "1960"; // an entry was chosen before the show
        session.selection.currentYearIndex = 8;
    }

    // Paused on photo n of the given list, in Photos mode, as the step operations leave it.
    void pausedOn(int n)
    {
        controller.modeChange(0);
        pos() = n - 1;
        controller.StepForward();
        ASSERT_EQ(pos(), n);
        effects.clear();
    }
};

TEST_F(HandOverFixture, HandsOverTheSlideOnDisplayPausedOrPlaying)
{
    QStringList names;
    for (int i = 1; i <= 12; ++i)
        names << QStringLiteral("86P%1.JPG").arg(i, 2, 10, QLatin1Char('0'));
    photos(names);
    pausedOn(10);
    handOver.HandOverSlide();
    EXPECT_EQ(effects, (std::vector<QString>{"photo 86P10.JPG", "number 10", "label 1986", "file 86P10.JPG",
                                             "refresh", "close", "stats Statistics", "focus 34"}));
    EXPECT_EQ(pos(), 9);
    EXPECT_EQ(session.selection.entryText, "1986");
    EXPECT_EQ(session.selection.entryCode, "86");
    EXPECT_EQ(session.selection.currentYearIndex, 33);
    EXPECT_EQ(session.step.shownPhotoIndex, 10);

    // Playing with photo 10 on display: the cursor already names the next slide.
    pausedOn(10);
    controller.Play();
    ASSERT_EQ(pos(), 11);
    effects.clear();
    handOver.HandOverSlide();
    EXPECT_EQ(effects.front(), "photo 86P10.JPG");
    EXPECT_EQ(pos(), 9);

    // Paused on photo 1: step 3 raises the cursor to 2, and photo 1 is handed over.
    controller.Pause();
    pausedOn(1);
    handOver.HandOverSlide();
    EXPECT_EQ(effects.front(), "photo 86P01.JPG");
    EXPECT_EQ(pos(), 0);
    EXPECT_EQ(reports(), 0);
}

TEST_F(HandOverFixture, YearButtonsAndCollectionCodes)
{
    struct Row {
        const char* photo;
        const char* label;
        const char* code;
        int yearIndex;
        const char* focus; // empty: no year button focused
    };
    const Row rows[] = {
        {"53A.JPG", "1953", "53", 1, "focus 2"},
        {"82A.JPG", "1982", "82", 30, "focus 31"}, // either side of the missing 1983
        {"84A.JPG", "1984", "84", 31, "focus 32"},
        {"86A.JPG", "1986", "86", 33, "focus 34"},
        {"A0A.JPG", "2000", "00", 0, "focus 1"},
        {"GAA.JPG", "Mirra Santore Art Print ", "GA", 0, ""},
        {"MNA.JPG", "The National Zephane Museum ", "MN", 0, ""},
        {"FMA.JPG", "Pembry Cars ", "FM", 0, ""},
    };
    photos({"53A.JPG", "82A.JPG", "84A.JPG", "86A.JPG", "A0A.JPG", "FMA.JPG", "GAA.JPG", "MNA.JPG"});
    for (const Row& r : rows) {
        pausedOn(int(session.index.photoFiles.indexOf(QRegularExpression(".*\\\\" + QString(r.photo)))) + 1);
        handOver.HandOverSlide();
        EXPECT_EQ(session.selection.entryText, QString::fromUtf8(r.label)) << r.photo;
        EXPECT_EQ(session.selection.entryCode, r.code) << r.photo;
        EXPECT_EQ(session.selection.currentYearIndex, r.yearIndex) << r.photo;
        const bool focused = std::count_if(effects.begin(), effects.end(),
                                           [](const QString& e) { return e.startsWith("focus"); }) > 0;
        EXPECT_EQ(focused, *r.focus != 0) << r.photo;
        if (*r.focus) {
            EXPECT_EQ(effects.back(), r.focus) << r.photo;
        }
        const bool features = std::find(effects.begin(), effects.end(), "stats Features") != effects.end();
        EXPECT_EQ(features, QString(r.code) == "FM") << r.photo;
    }
}

TEST_F(HandOverFixture, OtherModesOnlyCloseAndNoEntryOnlyRefreshes)
{
    photos({"53A.JPG", "53B.JPG"});
    clipArt({"1953.jpg", "1954.jpg"});
    controller.modeChange(1);
    controller.StepForward();
    effects.clear();
    handOver.HandOverSlide();
    EXPECT_EQ(std::count_if(effects.begin(), effects.end(),
                            [](const QString& e) { return e.startsWith("photo") || e.startsWith("label"); }),
              0);
    EXPECT_NE(std::find(effects.begin(), effects.end(), "close"), effects.end());
    EXPECT_EQ(session.selection.entryText, "1960");

    session.selection.entryText = catalogue::kNoEntry;
    session.selection.refreshPending = true;
    effects.clear();
    handOver.HandOverSlide();
    EXPECT_EQ(effects, (std::vector<QString>{"refresh", "close"}));
    EXPECT_FALSE(session.selection.refreshPending);
}

TEST_F(HandOverFixture, APhotoThatCannotBeShownReportsKeepsEarlierStepsAndStillCloses)
{
    photos({"53A.JPG", "53B.JPG", "53C.JPG"});
    pausedOn(2);
    photoLoads = false;
    handOver.HandOverSlide();
    EXPECT_EQ(reported(), errc::kSlideHandOver);
    EXPECT_EQ(pos(), 2);                            // raised by step 3, lowered by step 5, and kept
    EXPECT_EQ(session.selection.entryText, "1960"); // the label is copied only after the photo
    EXPECT_EQ(effects, (std::vector<QString>{"photo 53B.JPG", "close"}));
}

TEST_F(HandOverFixture, PlayingPastTheLastPhotoHandsOverTheLastPhotoWithItsLabel)
{
    photos({"53A.JPG", "53B.JPG", "ZZA.JPG"});
    controller.modeChange(0);
    controller.Play();
    for (int i = 0; i < 4; ++i)
        controller.photoTick(); // photos 1 to 3, then the interval that keeps the last one showing
    ASSERT_EQ(pos(), 1);
    ASSERT_EQ(shown(), "ZZA.JPG");
    ASSERT_EQ(label(), "Zephane Philately ");
    effects.clear();
    handOver.HandOverSlide();
    EXPECT_EQ(effects, (std::vector<QString>{"photo ZZA.JPG", "number 1", "label Zephane Philately ",
                                             "file ZZA.JPG", "refresh", "close", "stats Statistics"}));
    EXPECT_EQ(session.selection.entryCode, "ZZ");
    EXPECT_EQ(session.step.shownPhotoIndex, 3);
    EXPECT_EQ(pos(), 2); // one below the photo on display, where the main window's stepping goes on

    // Paused in that interval: the cursor has gone back to 0, the last photo still shows.
    controller.modeChange(0);
    controller.Play();
    for (int i = 0; i < 4; ++i)
        controller.photoTick();
    controller.Pause();
    effects.clear();
    handOver.HandOverSlide();
    EXPECT_EQ(effects.front(), "photo ZZA.JPG");
    EXPECT_EQ(session.selection.entryText, "Zephane Philately ");
    EXPECT_EQ(reports(), 0);
}

TEST_F(HandOverFixture, APhotosTitlePictureHandsNoPhotoOver)
{
    photos({"53A.JPG", "53B.JPG", "ZZA.JPG"});
    pausedOn(3);
    controller.modeChange(2); // the label becomes "1957" for the emblems' title
    controller.modeChange(0); // and the Photos title shows, with no photo
    effects.clear();
    handOver.HandOverSlide();
    EXPECT_EQ(std::count_if(effects.begin(), effects.end(),
                            [](const QString& e) { return e.startsWith("photo") || e.startsWith("label"); }),
              0);
    EXPECT_EQ(session.selection.entryText, "1960");
    EXPECT_NE(std::find(effects.begin(), effects.end(), "close"), effects.end());
}

TEST_F(HandOverFixture, OtherModesLeaveTheFileNameAndTheEntryCodeAsTheMainWindowShowsThem)
{
    photos({"53A.JPG", "MNA.JPG", "MNB.JPG"});
    clipArt({"1953.jpg", "1954.jpg"});
    struct Row {
        const char* entry;
        const char* code;
    };
    for (int mode : {1, 2}) {
        for (const Row& r : {Row{"National Zephane Museum ", "MN"}, Row{"1960", "60"}}) {
            session.selection.entryText = r.entry;
            session.selection.entryCode = r.code;
            controller.modeChange(mode);
            controller.StepForward();
            effects.clear();
            handOver.HandOverSlide();
            EXPECT_EQ(std::count_if(effects.begin(), effects.end(),
                                    [](const QString& e) { return e.startsWith("file"); }),
                      0)
                << mode << r.entry;
            EXPECT_EQ(session.selection.entryText, r.entry) << mode;
            EXPECT_EQ(session.selection.entryCode, r.code) << mode << r.entry;
        }
    }
    EXPECT_EQ(reports(), 0);
}

} // namespace
