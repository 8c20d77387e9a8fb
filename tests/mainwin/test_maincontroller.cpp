// MainController on its own: the main window's roles, the photo view and the platform are fakes.
#include <gtest/gtest.h>

#include "catalog/errorcodes.h"
#include "catalog/mediaroots.h"
#include "catalog/photoindex.h"
#include "catalog/photostepper.h"
#include "catalog/photostepstate.h"
#include "catalog/selectionstate.h"
#include "fakes/fakemainroles.h"
#include "fakes/fakemediadevice.h"
#include "mainwin/maincontroller.h"
#include "photoindex/fakephotoview.h"
#include "support/testservices.h"

using namespace catalogue;

namespace {

class MainControllerTest : public ::testing::Test, protected TestServices {
protected:
    MainControllerTest()
    {
        roots.mediaRoot = roots.photoRoot = "E:";
        roots.programFolder = tree.path();
        buildPhotoIndex(index,
                        {"53A.JPG", "53B.JPG", "53C.JPG", "84A.JPG", "95A.JPG", "95B.JPG", "TTA.JPG",
                         "TTB.JPG", "MNA.JPG", "MSA.JPG"},
                        "E:");
        controller.setHooks(hooks());
    }
    MainController::Hooks hooks()
    {
        MainController::Hooks h;
        h.closeSecondaryWindows = [this] { ++closedSecondary; };
        h.contentButtonClicked = [this](ContentButton b) { clicked.push_back(b); };
        return h;
    }
    QString shown() const { return photo.photo.mid(QStringLiteral("E:\\zephanes\\").size()); }

    PhotoIndex index;
    PhotoStepState step;
    SelectionState selection;
    MediaRoots roots;
    FakePhotoView photo;
    FakeEntryDisplay entry;
    FakeContentButtons buttons;
    FakeWindowState window;
    FakeMediaDevice media;
    PhotoStepper stepper{{index, step, selection, photo, reporter, roots, files}};
    MainController controller{{selection, step, index, stepper, photo, entry, buttons, window, reporter,
                               messages, processes, media, roots, files}};
    int closedSecondary = 0;
    std::vector<ContentButton> clicked;
};

TEST_F(MainControllerTest, AYearButtonShowsTheYearAndLeavesThePointerAsItFoundIt)
{
    controller.yearButtonClicked(indexForYear("1984"));
    EXPECT_EQ(entry.caption, "1984");
    EXPECT_EQ(selection.entryCode, "84");
    EXPECT_EQ(shown(), "84A.JPG");
    EXPECT_EQ(photo.number, "1");
    EXPECT_EQ(photo.focused, indexForYear("1984") + 1);
    EXPECT_TRUE(entry.controlsShown);
    EXPECT_EQ(closedSecondary, 1); // a new entry closes the slide show and the document viewer
    EXPECT_EQ(window.busyOn, window.busyOff);
    EXPECT_FALSE(window.busy);
    EXPECT_TRUE(messages.shown.empty());
}

// Back steps in one entry, then another entry: the first forward step there shows its second photo.
TEST_F(MainControllerTest, ANewEntryStartsSteppingAfresh)
{
    controller.yearButtonClicked(indexForYear("1995"));
    controller.yearButtonKey(indexForYear("1995"), YearKey::Comma);
    controller.yearButtonKey(indexForYear("1995"), YearKey::Comma);
    controller.yearButtonClicked(1);
    EXPECT_EQ(shown(), "53A.JPG");
    controller.yearButtonKey(1, YearKey::Period);
    EXPECT_EQ(shown(), "53B.JPG");
    EXPECT_EQ(photo.number, "2");
}

// Photos of the 1990s are years: the focus goes to the next year's button, as for any year.
TEST_F(MainControllerTest, SteppingInThe1990sFocusesTheNextYear)
{
    controller.yearButtonClicked(indexForYear("1995"));
    controller.StepPhotoForward();
    EXPECT_EQ(shown(), "95B.JPG");
    EXPECT_EQ(photo.focused, indexForYear("1995") + 1);
    controller.topTenMenu();
    controller.StepPhotoForward();
    EXPECT_EQ(shown(), "TTB.JPG");
    EXPECT_EQ(photo.focused, 1);
}

TEST_F(MainControllerTest, CollectionMenusSetTheirCodeAndButtons)
{
    controller.museumMenu(1);
    EXPECT_EQ(errors.code, errc::kMuseumMenu);
    EXPECT_EQ(buttons.captions[Stats], "Details");
    EXPECT_TRUE(buttons.contentButtonEnabled(Stats));
    EXPECT_FALSE(buttons.contentButtonEnabled(Nostalgia));
    EXPECT_FALSE(buttons.contentButtonEnabled(Ad));
    EXPECT_EQ(selection.currentYearIndex, 0);

    controller.miscellanyMenu();
    EXPECT_EQ(errors.code, errc::kMiscellanyMenu);
    for (int b = 0; b < kContentButtonCount; ++b)
        EXPECT_FALSE(buttons.contentButtonEnabled(ContentButton(b))) << b;
    EXPECT_EQ(window.busyOn, window.busyOff);
}

TEST_F(MainControllerTest, ContentButtonsGoToThePanelsAndExitAsksFirst)
{
    controller.contentButtonClicked(Ad);
    controller.contentButtonClicked(Desc);
    EXPECT_EQ(clicked, std::vector<ContentButton>({Ad, Desc}));

    messages.answer({MessageAnswer::Cancel});
    EXPECT_FALSE(controller.confirmExit());
    EXPECT_TRUE(media.commands.isEmpty());
    EXPECT_FALSE(processes.ended);
    messages.answer({MessageAnswer::Ok});
    EXPECT_TRUE(controller.confirmExit());
    EXPECT_EQ(media.commands, QStringList({"close"}));
    EXPECT_TRUE(processes.ended);
}

} // namespace
