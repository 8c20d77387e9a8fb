// Choosing entries in the main window: year buttons and keys, stepping, the photo walk, the menus, the first
// background click and the exit question.
#include <map>

#include <QAccessible>
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
    EXPECT_EQ(session().selection.entryCode, "84");
    EXPECT_EQ(panPhoto(), "1");
    EXPECT_EQ(focusedYearButton(), 32);
    EXPECT_EQ(session().selection.currentYearIndex, 31);
    EXPECT_TRUE(photoLabel()->isVisible());
    EXPECT_EQ(enabledButtons(), "D S O C Sc N R Si CA A No");

    window()->yearButton(47)->click();
    EXPECT_EQ(panYear(), "2000");
    EXPECT_EQ(session().step.currentPhotoPath, tree.path() + "\\zephanes\\A0A.JPG");
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
    EXPECT_EQ(session().step.currentPhotoPath, tree.path() + "\\zephanes\\53B.JPG");
    EXPECT_EQ(focusedYearButton(), 2);
    // Shifted keys step too.
    key(window()->focusWidget(), Qt::Key_Greater);
    EXPECT_EQ(panPhoto(), "3");
}

// The comma and period keys are matched by the physical key: on a layout where Shift+comma gives ";" (German)
// the press still steps back, and Shift with comma or period steps like the plain key.
TEST_F(SelectionTest, CommaAndPeriodKeysAreMatchedByThePhysicalKeyOnEveryLayout)
{
    window()->yearButton(1)->click();
    auto send = [this](int qtKey, Qt::KeyboardModifiers mods, quint32 scanCode, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, qtKey, mods, scanCode, 0, 0, text);
        QApplication::sendEvent(window()->focusWidget(), &press);
        QKeyEvent release(QEvent::KeyRelease, qtKey, mods, scanCode, 0, 0, text);
        QApplication::sendEvent(window()->focusWidget(), &release);
        return panPhoto();
    };
    EXPECT_EQ(send(Qt::Key_Colon, Qt::ShiftModifier, 60, ":"), "2");     // Shift+period, German layout
    EXPECT_EQ(send(Qt::Key_Period, Qt::ShiftModifier, 0, "."), "3");     // Shift kept on the key
    EXPECT_EQ(send(Qt::Key_Semicolon, Qt::ShiftModifier, 59, ";"), "2"); // Shift+comma, German layout
    EXPECT_EQ(send(Qt::Key_Comma, Qt::ShiftModifier, 0, ","), "1");
    EXPECT_EQ(send(Qt::Key_Semicolon, Qt::NoModifier, 47, ";"), "1"); // another key does nothing
}

// Choosing another entry forgets the direction of the last step: back steps in one entry followed by a
// forward step in the next must show the next entry's second photo, not skip it.
TEST_F(SelectionTest, ChoosingAnEntryForgetsTheLastStepDirection)
{
    for (int i = 0; i < 2; ++i) {
        window()->yearButton(31)->click(); // 1984, one photo
        key(window()->focusWidget(), i == 0 ? Qt::Key_Comma : Qt::Key_Period);
        window()->yearButton(1)->click(); // 1953: 53A, 53B, 53C
        EXPECT_EQ(session().step.currentPhotoPath, tree.path() + "\\zephanes\\53A.JPG");
        key(window()->focusWidget(), Qt::Key_Period);
        EXPECT_EQ(panPhoto(), "2") << i;
        EXPECT_EQ(session().step.currentPhotoPath, tree.path() + "\\zephanes\\53B.JPG") << i;
        key(window()->focusWidget(), Qt::Key_Comma);
        EXPECT_EQ(panPhoto(), "1") << i;
    }
}

// After a step the focus goes to the button after the photo's year, 1990s included (codes beginning with
// "9" are years, not collections); a collection's photo focuses button 1.
TEST_F(SelectionTest, SteppingFocusesTheButtonAfterThePhotosYearNinetiesIncluded)
{
    addPhoto(tree, "zephanes/95A.jpg", 10);
    addPhoto(tree, "zephanes/95B.jpg", 20);
    addPhoto(tree, "zephanes/90A.jpg", 30);
    addPhoto(tree, "zephanes/90B.jpg", 40);
    window()->findChild<QPushButton*>("ReloadArray")->click();
    for (const char* year : {"1995", "1990", "1953"}) {
        const int button = catalogue::indexForYear(QLatin1String(year));
        window()->yearButton(button)->click();
        key(window()->focusWidget(), Qt::Key_Period);
        EXPECT_EQ(panPhoto(), "2") << year;
        EXPECT_EQ(focusedYearButton(), button + 1) << year;
    }
    menuItem("mnuSpecialty_5")->trigger();
    key(window()->yearButton(1), Qt::Key_Period);
    EXPECT_EQ(focusedYearButton(), 1);
}

// panYear and panPhoto are read by their text, which changes; their role is their description.
TEST_F(SelectionTest, ChangingPanelsAreReadByTheirText)
{
    window()->yearButton(31)->click();
    key(window()->focusWidget(), Qt::Key_Period);
    for (const char* name : {"panYear", "panPhoto"}) {
        auto* panel = window()->findChild<QLabel*>(name);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(panel);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), panel->text()) << name;
        EXPECT_FALSE(a->text(QAccessible::Description).isEmpty()) << name;
    }
    EXPECT_EQ(window()->findChild<QLabel*>("panYear")->text(), "1984");
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
    EXPECT_TRUE(session().selection.entryChosen);
    EXPECT_FALSE(controller().yearButtonKey(5, YearKey::Space));
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
    press(photoLabel());
    EXPECT_EQ(panYear(), "1990-1995 ZR-1 ");
    EXPECT_EQ(session().selection.entryCode, "AZ");
    EXPECT_EQ(focusedYearButton(), 1);
    EXPECT_EQ(session().selection.currentYearIndex, 47);
    EXPECT_EQ(enabledButtons(), "D S O C Sc N R Si CA A");

    menuItem("mnuTopTen")->trigger();
    EXPECT_EQ(panYear(), "Top Ten Zephane People ");
    EXPECT_EQ(enabledButtons(), "D");
    press(photoLabel());
    EXPECT_EQ(panYear(), "1953");
    EXPECT_EQ(focusedYearButton(), 2);
    EXPECT_EQ(session().selection.currentYearIndex, 1);
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
        press(photoLabel());
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
    menuItem("mnuzephstuff_10")->trigger();
    EXPECT_EQ(panYear(), "Zephane Pinball Machine ");
    EXPECT_EQ(enabledButtons(), "D A");
    EXPECT_EQ(window()->contentButton(catalogue::Stats)->text(), "Details");
    EXPECT_EQ(focusedYearButton(), 1);

    menuItem("mnuMiscellany")->trigger();
    EXPECT_EQ(enabledButtons(), "");

    menuItem("mnuSpecialty_5")->trigger();
    EXPECT_EQ(panYear(), "Pembry Cars ");
    EXPECT_EQ(window()->contentButton(catalogue::Stats)->text(), "Features");
    EXPECT_EQ(session().selection.currentYearIndex, 0);

    menuItem("mnuMus_2")->trigger();
    EXPECT_EQ(panYear(), "Zephane Americana ");
    EXPECT_EQ(enabledButtons(), "D S");
    EXPECT_EQ(window()->contentButton(catalogue::Stats)->text(), "Details");
    press(photoLabel());
    EXPECT_EQ(panYear(), "1953");

    menuItem("mnuArt_1")->trigger();
    EXPECT_EQ(panYear(), "Mirra Santore Art Print ");
    EXPECT_EQ(enabledButtons(), "D S");
}

TEST_F(SelectionTest, FirstBackgroundClickShows1953Once)
{
    press(window()->centralWidget());
    EXPECT_EQ(panYear(), "1953");
    EXPECT_FALSE(window()->yearButton(1)->isEnabled());
    EXPECT_EQ(focusedYearButton(), 2);
    EXPECT_EQ(session().selection.currentYearIndex, 1);
    window()->yearButton(5)->click();
    EXPECT_TRUE(window()->yearButton(1)->isEnabled());
    press(window()->centralWidget());
    EXPECT_EQ(panYear(), "1957");
}

TEST_F(SelectionTest, RightClickOnThePhotoOnlyPreparesTheSaverFolder)
{
    bool listShown = false;
    session().hooks.showSaverList = [&] { listShown = true; };
    window()->yearButton(2)->click();
    press(photoLabel(), Qt::RightButton);
    EXPECT_TRUE(listShown);
    EXPECT_EQ(panYear(), "1954");
    EXPECT_TRUE(QDir(tree.file("sszephs")).exists());
    press(photoLabel(), Qt::RightButton); // the folder exists: still fine
}

TEST_F(SelectionTest, EntryWithoutPhotoReportsEr023AndKeepsTheSelection)
{
    window()->yearButton(3)->click(); // 1955 has no photo in this tree
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.last().text.contains(errc::kEntryPhoto));
    EXPECT_FALSE(photoLabel()->isVisible());
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

    menuItem("mnuExit")->trigger(); // same question
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
    photoLabel()->hide();
    session().selection.refreshPending = true;
    controller().focusLost();
    EXPECT_TRUE(photoLabel()->isVisible());
    EXPECT_FALSE(session().selection.refreshPending);
}

TEST_F(SelectionTest, RefreshAfterTheSlideShowKeepsACollectionsCodeSoStepping)
{
    menuItem("mnuSpecialty_5")->trigger(); // Pembry Cars
    const QString code = session().selection.entryCode;
    ASSERT_EQ(code.size(), 2);
    session().selection.refreshPending = true;
    controller().focusLost();
    EXPECT_FALSE(session().selection.refreshPending);
    EXPECT_EQ(session().selection.entryCode, code); // not characters 3 and 4 of "Pembry Cars "
}

} // namespace
