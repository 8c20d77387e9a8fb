// Choosing entries in the main window: year buttons and keys, stepping, the photo walk, the menus, the first
// background click and the exit question.
#include <map>

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>

#include "catalog/errorcodes.h"
#include "programfixture.h"

namespace {

class SelectionTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        addPhotos();
        openMainWindow();
    }
};

TEST_F(SelectionTest, YearButtonShowsItsYearAndFocusesTheNext)
{
    window()->yearButton(31)->click();
    EXPECT_EQ(panYear(), "1984");
    EXPECT_EQ(program->selection().entryCode, "84");
    EXPECT_EQ(panPhoto(), "1");
    EXPECT_EQ(focusedYearButton(), 32);
    EXPECT_EQ(program->selection().currentYearIndex, 31);
    EXPECT_TRUE(window()->photoLabel()->isVisible());
    EXPECT_EQ(enabledButtons(), "D S O C Sc N R Si CA A No");

    window()->yearButton(47)->click();
    EXPECT_EQ(panYear(), "2000");
    EXPECT_EQ(program->stepState().currentPhotoPath, tree.path() + "\\zephanes\\A0A.JPG");
    EXPECT_EQ(focusedYearButton(), 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SelectionTest, PeriodAndCommaKeysStepForwardForwardBack)
{
    window()->yearButton(1)->click();
    QStringList seen;
    for (int k : {Qt::Key_Period, Qt::Key_Period, Qt::Key_Comma}) {
        key(window()->focusWidget(), k);
        seen << panPhoto();
    }
    EXPECT_EQ(seen, QStringList({"2", "3", "2"}));
    EXPECT_EQ(program->stepState().currentPhotoPath, tree.path() + "\\zephanes\\53B.JPG");
    EXPECT_EQ(focusedYearButton(), 2);
    // Shifted keys step too.
    key(window()->focusWidget(), Qt::Key_Greater);
    EXPECT_EQ(panPhoto(), "3");
}

TEST_F(SelectionTest, SpinArrowsStepAndBackFromAFreshEntryWraps)
{
    window()->yearButton(1)->click();
    auto* back = window()->findChild<QToolButton*>("SpinDown");
    auto* forward = window()->findChild<QToolButton*>("SpinUp");
    back->click();
    EXPECT_EQ(panPhoto(), "3");
    forward->click();
    EXPECT_EQ(panPhoto(), "1");
    // A preloaded neighbour is held in the cache after a step.
    window()->photoCache().waitForPreloads();
    EXPECT_GE(window()->photoCache().heldCount(), 2);
    EXPECT_LE(window()->photoCache().heldCount(), window()->photoCache().capacity());
}

TEST_F(SelectionTest, SpaceSelectsOnlyBeforeAnyEntryWasChosen)
{
    key(window()->yearButton(47), Qt::Key_Space);
    EXPECT_EQ(panYear(), "2000");
    EXPECT_TRUE(program->selection().entryChosen);
    EXPECT_FALSE(controller().yearButtonKey(5, MainController::kKeySpace));
    EXPECT_EQ(panYear(), "2000");
}

TEST_F(SelectionTest, StepsWithNoEntryOnlyFocusButtonOne)
{
    window()->yearButton(1)->setEnabled(false);
    window()->findChild<QToolButton*>("SpinUp")->click();
    EXPECT_EQ(panYear(), "panYear");
    EXPECT_TRUE(window()->yearButton(1)->isEnabled());
    EXPECT_EQ(focusedYearButton(), 1);
}

TEST_F(SelectionTest, PhotoWalkFrom2000AndFromTopTen)
{
    window()->yearButton(47)->click();
    press(window()->photoLabel());
    EXPECT_EQ(panYear(), "1990-1995 ZR-1 ");
    EXPECT_EQ(program->selection().entryCode, "AZ");
    EXPECT_EQ(focusedYearButton(), 1);
    EXPECT_EQ(program->selection().currentYearIndex, 47);
    EXPECT_EQ(enabledButtons(), "D S O C Sc N R Si CA A");

    window()->menuItem("mnuTopTen")->trigger();
    EXPECT_EQ(panYear(), "Top Ten Zephane People ");
    EXPECT_EQ(enabledButtons(), "D");
    press(window()->photoLabel());
    EXPECT_EQ(panYear(), "1953");
    EXPECT_EQ(focusedYearButton(), 2);
    EXPECT_EQ(program->selection().currentYearIndex, 1);
}

TEST_F(SelectionTest, PhotoWalkVisitsEveryEntryWithItsButtonsAndReturnsTo1953)
{
    // The content buttons each entry of the walk ends up with.
    const std::map<QString, QString> special = {
        {"1990-1995 ZR-1 ", "D S O C Sc N R Si CA A"},
        {"Malibu Zephane Ski Boat ", "D S O C Sc N R Si CA A"},
        {"Brenmore Twin-Turbo ", "D S O C Sc N R Si CA"},
        {"Brenmore C12 ", "D S Sc N R Si A"},
        {"Pembry Cars ", "D S Sc N R Si A"},
        {"Kavell Automotive Concepts ", "D S O C Sc A"},
        {"Stroudley Cars ", "D Sc N R Si A"},
        {"Specter Werkes GTR Roadster ", "D A"},
        {"Zephane Pinball Machine ", "D A"},
        {"Prototypes ", "S"},
        {"Custom Zephanes", "S"},
        {"Race Cars ", ""},
        {"Additional Clip Art ", ""},
        {"Miscellany ", ""},
    };
    const QStringList onlyD = {
        "Car Stuff Zephane Calendars ",    "Zephane Monopoly Game ", "Franklin Mint Collector Knives ",
        "Franklin Mint Collector Plates ", "Zephane Coin ",          "Zephane Rubber Stamps ",
        "Top Ten Zephane People "};
    for (int i = 1; i <= catalogue::kYearButtonCount; ++i)
        addPhoto(tree, "zephanes/" + catalogue::entryCode(catalogue::yearForIndex(i)) + "Z.JPG", i);
    window()->findChild<QPushButton*>("ReloadArray")->click();
    window()->yearButton(1)->click();
    QStringList walked{panYear()};
    for (int click = 0; click < 79; ++click) {
        press(window()->photoLabel());
        walked << panYear();
        QString expected = "D S";
        if (catalogue::isModelYear(panYear()))
            expected = "D S O C Sc N R Si CA A No";
        else if (special.count(panYear()))
            expected = special.at(panYear());
        else if (onlyD.contains(panYear()))
            expected = "D";
        EXPECT_EQ(enabledButtons(), expected) << qPrintable(panYear());
        EXPECT_EQ(panPhoto(), "1");
    }
    EXPECT_EQ(walked.size(), 80);
    EXPECT_EQ(walked.first(), "1953");
    EXPECT_EQ(walked.last(), "1953");
    EXPECT_EQ(walked[30], "1984");
    EXPECT_EQ(walked[46], "2000");
    EXPECT_EQ(walked[47], "1990-1995 ZR-1 ");
    EXPECT_EQ(walked[58], "Additional Clip Art ");
    EXPECT_EQ(walked[78], "Top Ten Zephane People ");
    EXPECT_FALSE(walked.contains("1983"));
    EXPECT_TRUE(messages.shown.empty()); // every entry had its photo
}

TEST_F(SelectionTest, CollectionMenusSetTheirOwnButtons)
{
    window()->menuItem("mnuzephstuff", 10)->trigger();
    EXPECT_EQ(panYear(), "Zephane Pinball Machine ");
    EXPECT_EQ(enabledButtons(), "D A");
    EXPECT_EQ(window()->contentButton(catalogue::Stats)->text(), "Details");
    EXPECT_EQ(focusedYearButton(), 1);

    window()->menuItem("mnuMiscellany")->trigger();
    EXPECT_EQ(enabledButtons(), "");

    window()->menuItem("mnuSpecialty", 5)->trigger();
    EXPECT_EQ(panYear(), "Pembry Cars ");
    EXPECT_EQ(window()->contentButton(catalogue::Stats)->text(), "Features");
    EXPECT_EQ(program->selection().currentYearIndex, 0);

    window()->menuItem("mnuMus", 2)->trigger();
    EXPECT_EQ(panYear(), "Zephane Americana ");
    EXPECT_EQ(enabledButtons(), "D S");
    EXPECT_EQ(window()->contentButton(catalogue::Stats)->text(), "Details");
    press(window()->photoLabel());
    EXPECT_EQ(panYear(), "1953");

    window()->menuItem("mnuArt", 1)->trigger();
    EXPECT_EQ(panYear(), "Mirra Santore Art Print ");
    EXPECT_EQ(enabledButtons(), "D S");
}

TEST_F(SelectionTest, FirstBackgroundClickShows1953Once)
{
    press(window()->centralWidget());
    EXPECT_EQ(panYear(), "1953");
    EXPECT_FALSE(window()->yearButton(1)->isEnabled());
    EXPECT_EQ(focusedYearButton(), 2);
    EXPECT_EQ(program->selection().currentYearIndex, 1);
    window()->yearButton(5)->click();
    EXPECT_TRUE(window()->yearButton(1)->isEnabled());
    press(window()->centralWidget());
    EXPECT_EQ(panYear(), "1957");
}

TEST_F(SelectionTest, RightClickOnThePhotoOnlyPreparesTheSaverFolder)
{
    bool listShown = false;
    controller().setHooks({{}, {}, [&] { listShown = true; }});
    window()->yearButton(2)->click();
    press(window()->photoLabel(), Qt::RightButton);
    EXPECT_TRUE(listShown);
    EXPECT_EQ(panYear(), "1954");
    EXPECT_TRUE(QDir(tree.file("sszephs")).exists());
    press(window()->photoLabel(), Qt::RightButton); // the folder exists: still fine
}

TEST_F(SelectionTest, EntryWithoutPhotoReportsEr023AndKeepsTheSelection)
{
    window()->yearButton(3)->click(); // 1955 has no photo in this tree
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.last().text.contains(errc::kEntryPhoto));
    EXPECT_FALSE(window()->photoLabel()->isVisible());
    EXPECT_EQ(panYear(), "1955");
    EXPECT_EQ(enabledButtons(), "D S O C Sc N R Si CA A No");
    // Stepping in it neither loops nor changes anything.
    key(window()->focusWidget(), Qt::Key_Period);
    key(window()->focusWidget(), Qt::Key_Comma);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(panPhoto(), "1");
}

TEST_F(SelectionTest, ExitQuestionCancelChangesNothingOkEnds)
{
    window()->yearButton(1)->click();
    key(window()->focusWidget(), Qt::Key_Period);
    window()->findChild<QPushButton*>("cmdExit")->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text, "Exit The Zephane Folarium?");
    EXPECT_EQ(messages.last().icon, MessageIcon::Question);
    EXPECT_EQ(messages.last().buttons, MessageButtons::OkCancel);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(panYear(), "1953");
    EXPECT_EQ(panPhoto(), "2");
    EXPECT_FALSE(processes.ended);
    EXPECT_TRUE(mainMedia.commands.isEmpty());

    window()->menuItem("mnuExit")->trigger(); // same question
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(window()->isVisible());

    messages.answer({MessageAnswer::Ok});
    window()->close(); // the close box
    EXPECT_EQ(messages.shown.size(), 3u);
    EXPECT_TRUE(processes.ended);
    EXPECT_EQ(mainMedia.commands, QStringList({"close"}));
}

TEST_F(SelectionTest, ReloadArrayKeepsTheEntryAndSeesNewPhotos)
{
    window()->yearButton(1)->click();
    addPhoto(tree, "zephanes/53D.JPG");
    window()->findChild<QPushButton*>("ReloadArray")->click();
    EXPECT_EQ(panYear(), "1953");
    window()->findChild<QToolButton*>("SpinDown")->click();
    EXPECT_EQ(panPhoto(), "4");
}

TEST_F(SelectionTest, FocusLossRefreshesAfterTheSlideShow)
{
    window()->yearButton(1)->click();
    window()->photoLabel()->hide();
    program->selection().refreshPending = true;
    controller().focusLost();
    EXPECT_TRUE(window()->photoLabel()->isVisible());
    EXPECT_FALSE(program->selection().refreshPending);
}

} // namespace
