// Stepping through an entry's photos: cursor corrections, wrap-around, failures and the caption text box.
#include <gtest/gtest.h>

#include "catalog/errorcodes.h"
#include "catalog/errorreporter.h"
#include "catalog/mediafiles.h"
#include "catalog/mediaroots.h"
#include "catalog/photoindex.h"
#include "catalog/photostepper.h"
#include "catalog/photostepstate.h"
#include "catalog/selectionstate.h"
#include "fakephotoview.h"
#include "support/testservices.h"

namespace {

class StepperTest : public ::testing::Test, protected TestServices {
protected:
    StepperTest() : stepper({index, step, selection, view, reporter, roots, files})
    {
        roots.mediaRoot = roots.photoRoot = "E:";
        roots.programFolder = tree.path();
        buildPhotoIndex(index,
                        {"53A.JPG", "53B.JPG", "53C.JPG", "54A.JPG", "A0A.JPG", "A0B.JPG", "TTA.JPG",
                         "TTB.JPG", "TTC.JPG", "TTD.JPG", "CVA.JPG"},
                        "E:");
    }

    // What the main window does when an entry is chosen.
    void choose(const QString& entry, const QString& code)
    {
        selection.entryText = entry;
        selection.entryCode = code;
        step.firstPhotoShown = true;
        stepper.ShowFirstPhoto();
        step.photoPosition = 0;
        view.setPhotoNumber("1");
        step.lastStepForward = step.lastStepBackward = false;
    }
    QString name() const { return view.photo.mid(QStringLiteral("E:\\zephanes\\").size()); }

    MediaRoots roots;
    PhotoIndex index;
    PhotoStepState step;
    SelectionState selection;
    FakePhotoView view;
    PhotoStepper stepper;
};

TEST_F(StepperTest, FirstPhotoOfTheEntryAndOfTheYear2000)
{
    choose("1954", "54");
    EXPECT_EQ(name(), "54A.JPG");
    EXPECT_EQ(step.shownPhotoIndex, 4);
    EXPECT_EQ(step.currentPhotoPath, "E:\\zephanes\\54A.JPG");
    choose("2000", "00"); // the year button's digits
    EXPECT_EQ(selection.entryCode, "A0");
    EXPECT_EQ(name(), "A0A.JPG");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(StepperTest, EntryWithoutPhotoReportsEr023AndHidesThePhoto)
{
    choose("1960", "60");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.last().text.contains(errc::kEntryPhoto));
    EXPECT_FALSE(view.photoVisible);

    view.photoVisible = true;
    view.brokenPhotos.insert("E:\\zephanes\\53A.JPG");
    choose("1953", "53");
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_FALSE(view.photoVisible);
}

TEST_F(StepperTest, ForwardForwardBackAndBackBackForward)
{
    choose("1953", "53");
    QStringList seen;
    auto record = [&] { seen << view.number + ":" + name(); };
    stepper.StepPhotoForward();
    record();
    stepper.StepPhotoForward();
    record();
    stepper.StepPhotoBack();
    record();
    EXPECT_EQ(seen, QStringList({"2:53B.JPG", "3:53C.JPG", "2:53B.JPG"}));

    choose("1953", "53");
    seen.clear();
    stepper.StepPhotoBack();
    record(); // back from a fresh entry wraps to the last photo
    stepper.StepPhotoBack();
    record();
    stepper.StepPhotoForward();
    record();
    EXPECT_EQ(seen, QStringList({"3:53C.JPG", "2:53B.JPG", "3:53C.JPG"}));

    // Forward wraps past the last photo to the first.
    stepper.StepPhotoForward();
    record();
    EXPECT_EQ(seen.last(), "1:53A.JPG");
    EXPECT_EQ(view.focused, 2); // the focus goes to the button after 1953's
}

TEST_F(StepperTest, OnePhotoEntryKeepsShowingItsPhoto)
{
    choose("1954", "54");
    stepper.StepPhotoForward();
    EXPECT_EQ(name(), "54A.JPG");
    stepper.StepPhotoBack();
    EXPECT_EQ(name(), "54A.JPG");
    stepper.StepPhotoForward();
    EXPECT_EQ(name(), "54A.JPG");
    EXPECT_EQ(view.number, "1");
}

TEST_F(StepperTest, EntryWithoutPhotosLeavesTheDisplayAloneInsteadOfLooping)
{
    choose("1953", "53");
    stepper.StepPhotoForward();
    const PhotoStepState stateBefore = step;
    const int loads = view.loads.size();
    selection.entryText = "1960";
    selection.entryCode = "60";
    stepper.StepPhotoForward();
    stepper.StepPhotoBack();
    EXPECT_EQ(view.loads.size(), loads);
    EXPECT_EQ(step.photoPosition, stateBefore.photoPosition);
    EXPECT_EQ(step.currentPhotoPath, stateBefore.currentPhotoPath);

    PhotoIndex empty;
    buildPhotoIndex(empty, {}, "E:");
    index = empty;
    stepper.StepPhotoForward();
    stepper.StepPhotoBack();
    EXPECT_EQ(view.loads.size(), loads);
}

TEST_F(StepperTest, NoEntryYetOnlyFocusesYearButtonOne)
{
    stepper.StepPhotoForward();
    stepper.StepPhotoBack();
    EXPECT_TRUE(view.loads.isEmpty());
    EXPECT_EQ(view.focused, 1);
    EXPECT_TRUE(view.enabledButtons.count(1));
}

TEST_F(StepperTest, FailingPhotoReportsItsCodeAndTheNextStepMovesOn)
{
    choose("1953", "53");
    view.brokenPhotos.insert("E:\\zephanes\\53B.JPG");
    view.focused = 0;
    stepper.StepPhotoForward();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.last().text.contains(errc::kStepPhotoForward));
    EXPECT_EQ(view.focused, 0); // reported while handling the failure: the focus stays
    stepper.StepPhotoForward();
    EXPECT_EQ(name(), "53C.JPG");

    choose("1953", "53");
    stepper.StepPhotoBack(); // 53C
    stepper.StepPhotoBack(); // 53B fails
    EXPECT_TRUE(messages.last().text.contains(errc::kStepPhotoBack));
    stepper.StepPhotoBack();
    EXPECT_EQ(name(), "53A.JPG");
}

TEST_F(StepperTest, BackStepThatFailsRightAfterAForwardStepSkipsNoPhoto)
{
    buildPhotoIndex(index, {"53A.JPG", "53B.JPG", "53C.JPG", "53D.JPG"}, "E:");
    choose("1953", "53");
    stepper.StepPhotoForward(); // 53B
    stepper.StepPhotoForward(); // 53C
    stepper.StepPhotoForward(); // 53D
    ASSERT_EQ(name(), "53D.JPG");
    view.brokenPhotos.insert("E:\\zephanes\\53C.JPG");
    stepper.StepPhotoBack(); // 53C fails to load
    ASSERT_TRUE(messages.last().text.contains(errc::kStepPhotoBack));
    stepper.StepPhotoBack(); // the photo before the failing one, not the one before that
    EXPECT_EQ(name(), "53B.JPG");
    view.brokenPhotos.clear();
    stepper.StepPhotoForward(); // 53C was never shown, so the next forward step comes to it
    EXPECT_EQ(name(), "53C.JPG");
}

TEST_F(StepperTest, CollectionStepsFocusButtonOneAndLoadTheCaptionText)
{
    choose("Custom Zephanes", "CV");
    view.details = true;
    stepper.StepPhotoForward();
    EXPECT_EQ(view.focused, 1);
    EXPECT_EQ(view.detailsText, "E:\\RichText\\CVA.rtf");
    EXPECT_EQ(view.placedFor, "beside cmdAd");
}

TEST_F(StepperTest, TopTenPlacesTheTextBoxByPhotoNumber)
{
    choose("Top Ten Zephane People ", "TT");
    view.details = true;
    stepper.StepPhotoForward();
    stepper.StepPhotoForward();
    stepper.StepPhotoForward();
    ASSERT_EQ(view.number, "4");
    EXPECT_EQ(view.placedFor, "4");
    EXPECT_EQ(view.detailsText, "E:\\RichText\\TTD.rtf");
    stepper.StepPhotoBack(); // photo 3, its text found at PhotoPosition + 1
    EXPECT_EQ(view.detailsText, "E:\\RichText\\TTC.rtf");
    EXPECT_EQ(view.placedFor, "3");

    view.missingTexts.insert("E:\\RichText\\TTB.rtf");
    const int reports = messages.shown.size();
    stepper.StepPhotoBack();
    EXPECT_EQ(int(messages.shown.size()), reports + 1);
    EXPECT_TRUE(messages.last().text.contains(errc::kDescription));
    EXPECT_EQ(view.placedFor, "3"); // keeps its place and content
    EXPECT_EQ(view.detailsText, "E:\\RichText\\TTC.rtf");
}

TEST_F(StepperTest, SaverButtonsFollowThePhotoOnDisplay)
{
    std::vector<bool> calls;
    stepper.setSaverButtonsHook([&](bool inList) { calls.push_back(inList); });
    tree.add("sszephs/53B.JPG");
    tree.add("sszephs/z5emblem.JPG"); // matched without regard to case
    stepper.RefreshSaverButtons();    // no entry: the emblem stands in
    choose("1953", "53");
    stepper.StepPhotoForward();
    EXPECT_EQ(calls, std::vector<bool>({true, false, true}));
}

TEST_F(StepperTest, NeighboursWrapWithinTheEntry)
{
    EXPECT_EQ(stepper.neighbour(1, +1), 2);
    EXPECT_EQ(stepper.neighbour(3, +1), 1);
    EXPECT_EQ(stepper.neighbour(1, -1), 3);
    EXPECT_EQ(stepper.neighbour(4, +1), 0); // a single photo has no neighbour
}

} // namespace
