#include "catalog/errorcodes.h"
#include "entrypanels/entrypanelsfixture.h"

using namespace catalogue;

// Each picture has its own size, so the box's size tells which file it shows.
class EntryPictureBoxesTest : public EntryPanels {
protected:
    void SetUp() override
    {
        EntryPanels::SetUp();
        addPicture("graphics/norear.jpg", {31, 11});
        addPicture("graphics/noside.jpg", {32, 12});
        addPicture("embrear/emb56r.jpg", {33, 13});
        addPicture("embrear/emb57r.jpg", {34, 14});
        addPicture("embside/emb99s.jpg", {35, 15});
        addPicture("embside/emb57s.jpg", {36, 16});
        addPicture("embfront/emb00f.jpg", {37, 17});
        addPicture("embrear/emb00r.jpg", {42, 22});
        addPicture("embfront/emb53f.jpg", {38, 18});
        addPicture("scripts/scri53.jpg", {39, 19});
        addPicture("ClipArt/1953.jpg", {40, 20}, Qt::darkGreen);
        addPicture("ClipArt/1957.jpg", {41, 21});
    }
    void rightClick(PicturePanel p) { press(box(p), Qt::RightButton); }
};

TEST_F(EntryPictureBoxesTest, TheRulesPickPlaceholdersAndSharedEmblems)
{
    choose("1954");
    click(Rear);
    EXPECT_FALSE(box(PicEmbRear)->isHidden());
    EXPECT_EQ(box(PicEmbRear)->size(), QSize(31, 11)); // norear.jpg

    choose("1956");
    EXPECT_EQ(box(PicEmbRear)->size(), QSize(33, 13)); // the regular emb56r.jpg, reloaded at once
    click(Side);
    EXPECT_EQ(box(PicEmbSide)->size(), QSize(32, 12)); // noside.jpg

    choose("2000");
    EXPECT_EQ(box(PicEmbSide)->size(), QSize(35, 15)); // emb99s.jpg
    click(Nose);
    EXPECT_EQ(box(PicEmblem)->size(), QSize(37, 17)); // emb00f.jpg
    EXPECT_TRUE(messages.shown.empty()) << messageTexts().join("|").toStdString();
}

TEST_F(EntryPictureBoxesTest, ASwitchedOnPictureFollowsTheEntryAndAnOffOneStaysOff)
{
    choose("1956");
    click(Rear);
    ASSERT_EQ(box(PicEmbRear)->size(), QSize(33, 13));
    choose("1957");
    EXPECT_FALSE(box(PicEmbRear)->isHidden());
    EXPECT_EQ(box(PicEmbRear)->size(), QSize(34, 14));
    EXPECT_TRUE(box(PicEmbSide)->isHidden());
    EXPECT_TRUE(box(PicEmblem)->isHidden());

    click(Rear); // the button switches it off again
    EXPECT_TRUE(box(PicEmbRear)->isHidden());
    choose("1956");
    EXPECT_TRUE(box(PicEmbRear)->isHidden());
}

TEST_F(EntryPictureBoxesTest, PlacementStandsOnTheYearStripUsingThePhotoWidth)
{
    window()->applyScreenLayout(false); // a photo that does not start at the left edge shows the rule
    choose("1953");
    click(Nose);
    click(Script);
    click(ClipArt);
    const QRect photo = photoLabel()->geometry();
    const int strip = window()->findChild<QFrame*>("Frame1")->y();
    EXPECT_EQ(box(PicEmblem)->geometry(), QRect(photo.width() - 38 + 8, strip - 18 - 1, 38, 18));
    EXPECT_EQ(box(PicScript)->pos(), QPoint(photo.left() + 1, photo.top() + 50));
    EXPECT_EQ(box(PicClipArt)->pos(), QPoint(photo.width() - 40 + 6, photo.top()));
    EXPECT_EQ(box(PicClipArt)->toolTip(), "Click the Right mouse button to copy");
    EXPECT_EQ(focusedYearButton(), 2);
}

TEST_F(EntryPictureBoxesTest, LeftClickHidesAndRightClickCopiesTheClickedPictureOnlyOnYes)
{
    choose("1953");
    click(ClipArt);
    click(Nose);
    ASSERT_FALSE(box(PicClipArt)->isHidden());
    window()->yearButton(5)->setFocus(); // the copy does not depend on the focus

    rightClick(PicClipArt); // answered No by default
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text, "Would you like to copy this image to the Windows Clipboard?");
    EXPECT_EQ(messages.last().icon, MessageIcon::Question);
    EXPECT_EQ(messages.last().buttons, MessageButtons::YesNo);
    EXPECT_TRUE(clipboard.calls.empty());

    messages.answer({MessageAnswer::Yes});
    rightClick(PicClipArt);
    ASSERT_EQ(clipboard.calls, (std::vector<QString>{"clear", "image"}));
    EXPECT_EQ(clipboard.image.size(), QSize(40, 20));
    EXPECT_EQ(module().entryPictures().mouseButtonText(), "2");

    press(box(PicEmblem), Qt::LeftButton);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), box(PicEmblem)->mapToGlobal(QPointF(2, 2)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(box(PicEmblem), &release);
    EXPECT_TRUE(box(PicEmblem)->isHidden());
    EXPECT_EQ(module().entryPictures().mouseButtonText(), " ");
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(EntryPictureBoxesTest, AMissingPictureReportsItsCodeAndHidesOrKeepsAsEachLoaderDoes)
{
    choose("1957");
    click(Side);
    ASSERT_EQ(box(PicEmbSide)->size(), QSize(36, 16));
    click(Script); // scri57.jpg is missing: reported and hidden
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text, errors::compose(errc::kScript));
    EXPECT_TRUE(box(PicScript)->isHidden());

    // 1958 has no side emblem: the old one stays on show.
    messages.shown.clear();
    choose("1958");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text, errors::compose(errc::kSideEmblem));
    EXPECT_FALSE(box(PicEmbSide)->isHidden());
    EXPECT_EQ(box(PicEmbSide)->size(), QSize(36, 16));

    messages.shown.clear();
    click(ClipArt);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text, errors::compose(errc::kClipArtButton));
    EXPECT_TRUE(box(PicClipArt)->isHidden());
}

TEST_F(EntryPictureBoxesTest, NothingHappensBeforeAnEntry)
{
    for (ContentButton b : {Nose, Side, Rear, Script, ClipArt})
        controller().contentButtonClicked(b);
    for (PicturePanel p : {PicEmblem, PicEmbSide, PicEmbRear, PicScript, PicClipArt})
        EXPECT_TRUE(box(p)->isHidden());
    EXPECT_TRUE(messages.shown.empty()) << messageTexts().join("|").toStdString();
}
