#include <QScrollBar>

#include "catalog/errorcodes.h"
#include "entrypanels/entrypanelsfixture.h"

using namespace catalogue;

namespace {
const QString kAdPrefix = QStringLiteral("The Zephane Folarium    ");
const QString kSeriesCaption =
    QStringLiteral("The Zephane Folarium    Ferrec Ostrand: The Illustrated Zephane Series");
} // namespace

class LargePictures : public EntryPanels {
protected:
    QLabel* image1() const { return largeViewer()->findChild<QLabel*>("Image1"); }
    QLabel* picChild() const { return largeViewer()->findChild<QLabel*>("picChild"); }
    void leftClick(QWidget* w)
    {
        QMouseEvent up(QEvent::MouseButtonRelease, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)),
                       Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &up);
    }
    void closeViewer()
    {
        if (largeViewer())
            module().largePictures().unload();
    }
    void TearDown() override
    {
        closeViewer();
        EntryPanels::TearDown();
    }
};

TEST_F(LargePictures, The1963AdvertisementZoomsOutToAPortraitAnd1984FillsTheWidth)
{
    addPicture("ads/63dnzp00.jpg", {700, 1000});
    addPicture("ads/84dnzp00.jpg", {1400, 700});
    choose("1963");
    click(Ad);
    ASSERT_NE(largeViewer(), nullptr);
    EXPECT_EQ(largeViewer()->windowTitle(), kAdPrefix + "1963 Advertisement");
    EXPECT_TRUE(largeViewer()->isVisible());
    EXPECT_TRUE(largeViewer()->scrollingViewShown());
    EXPECT_EQ(picChild()->size(), QSize(700, 1000));
    EXPECT_TRUE(session().documents.foundFile.endsWith("\\ads\\63dnzp00.jpg"));
    const int heightBefore = image1()->height();
    leftClick(picChild());
    EXPECT_FALSE(largeViewer()->scrollingViewShown());
    const int width = int(std::lround(0.77 * heightBefore));
    EXPECT_EQ(image1()->width(), width);
    EXPECT_EQ(image1()->height(), 600);
    EXPECT_EQ(image1()->x(), (800 - width) / 2);
    leftClick(image1());
    EXPECT_TRUE(largeViewer()->scrollingViewShown());

    // The next advertisement closes the open viewer first.
    QPointer<LargePictureWindow> first = largeViewer();
    choose("1984");
    click(Ad);
    EXPECT_TRUE(first.isNull() || !first->isVisible());
    ASSERT_NE(largeViewer(), nullptr);
    EXPECT_NE(largeViewer(), first.data());
    leftClick(picChild());
    EXPECT_EQ(image1()->geometry().width(), 800);
    EXPECT_EQ(image1()->x(), 0);
    EXPECT_TRUE(messages.shown.empty()) << messageTexts().join("|").toStdString();
}

TEST_F(LargePictures, TwoCollectionAdvertisementsNeverZoomOutAndRightClickCloses)
{
    addPicture("ads/flad.jpg", {900, 900});
    choose("Stroudley Cars ");
    click(Ad);
    ASSERT_NE(largeViewer(), nullptr);
    EXPECT_EQ(largeViewer()->windowTitle(), kAdPrefix + "Stroudley Cars  Advertisement");
    leftClick(picChild());
    EXPECT_TRUE(largeViewer()->scrollingViewShown());
    window()->hide();
    press(picChild(), Qt::RightButton);
    EXPECT_EQ(largeViewer(), nullptr);
    EXPECT_TRUE(window()->isVisible());
}

TEST_F(LargePictures, AWidePictureGetsTheLargeChangeRule)
{
    // Three viewports wide: the page step is (difference / 3) / 6.
    addPicture("ads/63dnzp00.jpg", {2400, 500});
    choose("1963");
    click(Ad);
    ASSERT_NE(largeViewer(), nullptr);
    auto* bar = largeViewer()->findChild<QScrollBar*>("HScroll1");
    const int viewport = largeViewer()->findChild<QWidget*>("picParent")->width();
    ASSERT_EQ(2400 / viewport, 3);
    EXPECT_EQ(bar->maximum(), 2400 - viewport);
    EXPECT_EQ(bar->pageStep(), ((2400 - viewport) / 3) / 6);
    EXPECT_TRUE(bar->isEnabled());
    EXPECT_FALSE(largeViewer()->findChild<QScrollBar*>("VScroll1")->isEnabled());
}

TEST_F(LargePictures, UnadvertisedYearsSaySorryAndMissingAdvertisementsReportER044)
{
    choose("1976");
    click(Ad);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text, "Sorry!\r\n\r\nDunmarro did not advertise the Zephane this year.\r\n");
    EXPECT_EQ(messages.last().icon, MessageIcon::Warning);
    EXPECT_EQ(largeViewer(), nullptr);

    messages.shown.clear();
    choose("1977");
    click(Ad);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text, errors::compose(errc::kAdvertisement));
    EXPECT_EQ(session().errors.code, errc::kAdvertisement);
    EXPECT_EQ(largeViewer(), nullptr);
    EXPECT_TRUE(window()->isEnabled());
}

TEST_F(LargePictures, SeriesPanelListsTheTitlesAtTheirPlaces)
{
    menuItem("mnuOstrand")->trigger();
    SeriesPanel* panel = &module().seriesPanel();
    ASSERT_FALSE(panel->isHidden());
    EXPECT_EQ(panel->size(), QSize(609, 473));
    const QPushButton* exit = window()->findChild<QPushButton*>("cmdExit");
    // Centred over the year strip; at its design top unless that would cut off its bottom.
    EXPECT_EQ(panel->x(), (exit->x() + exit->width() - 609) / 2);
    EXPECT_EQ(panel->y(), std::min(window()->seriesPanelTop(), window()->centralWidget()->height() - 473));
    EXPECT_LE(panel->geometry().bottom(), window()->centralWidget()->height());
    EXPECT_EQ(panel->findChild<QLabel*>("Label11")->text(),
              "The Illustrated Zephane Series  by R. Ferrec Ostrand");
    EXPECT_EQ(panel->title(22)->text(), "#22  Acceptance & Refinement");
    EXPECT_EQ(panel->title(1)->geometry().topLeft(), QPoint(48, 40));
    EXPECT_EQ(panel->title(16)->geometry().topLeft(), QPoint(48, 40 + 15 * 24));
    EXPECT_EQ(panel->title(17)->geometry().topLeft(), QPoint(296, 40));
    EXPECT_EQ(panel->button(17)->geometry(), QRect(272, 40, 17, 17));
    EXPECT_EQ(panel->button(26)->geometry(), QRect(272, 40 + 9 * 24, 17, 17));
    EXPECT_EQ(panel->button(9)->accessibleName(), "#9  1959 Zephane");
    EXPECT_EQ(window()->focusWidget(), panel->findChild<QPushButton*>("SSCommand8"));
    panel->findChild<QPushButton*>("SSCommand8")->click();
    EXPECT_TRUE(panel->isHidden());
}

TEST_F(LargePictures, TitlesShowTheirIllustrationInOneViewerThatNeverZoomsOut)
{
    addPicture("OverSize/st009.jpg", {909, 609});
    addPicture("OverSize/st010.jpg", {1010, 610});
    menuItem("mnuOstrand")->trigger();
    SeriesPanel* panel = &module().seriesPanel();
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(panel->title(9), &up); // a title presses its button
    ASSERT_NE(largeViewer(), nullptr);
    EXPECT_EQ(picChild()->size(), QSize(909, 609));
    EXPECT_EQ(largeViewer()->windowTitle(), kSeriesCaption);
    QPointer<LargePictureWindow> first = largeViewer();

    panel->button(10)->click();
    EXPECT_EQ(largeViewer(), first.data()); // the open viewer is reused
    EXPECT_EQ(picChild()->size(), QSize(1010, 610));
    leftClick(picChild());
    EXPECT_TRUE(largeViewer()->scrollingViewShown());
    EXPECT_FALSE(panel->isHidden());

    panel->button(11)->click(); // st011.jpg is missing
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text, errors::compose(errc::kAdvertisement));
    EXPECT_EQ(largeViewer(), nullptr);
}

TEST_F(LargePictures, TheSeriesTextOpensWithTheFixedCloseWidthOrReportsER029)
{
    menuItem("mnuOstrand")->trigger();
    QPushButton* about = module().seriesPanel().findChild<QPushButton*>("SSCommand7");
    EXPECT_EQ(about->text(), "R. Ferrec Ostrand");
    about->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text, errors::compose(errc::kColors));
    EXPECT_EQ(documentWindow(), nullptr);

    addDocument("RichText/ostrand.rtf", "The illustrator");
    about->click();
    ASSERT_NE(documentWindow(), nullptr);
    EXPECT_EQ(documentText(), "The illustrator");
    EXPECT_EQ(documentWindow()->windowTitle(), "The Zephane Folarium     The Illustrated Zephane");
    EXPECT_EQ(documentWindow()->SSCommand1()->width(), 481);
}

TEST_F(LargePictures, RaceCarsAndPrototypesShareOnePictureUnderTheirOwnCaptions)
{
    addPicture("ads/dpadmako.jpg", {640, 880});
    for (const char* entry : {"Prototypes ", "Race Cars "}) {
        choose(entry);
        controller().contentButtonClicked(catalogue::Ad);
        ASSERT_NE(largeViewer(), nullptr) << entry;
        EXPECT_TRUE(largeViewer()->isVisible()) << entry;
        EXPECT_EQ(largeViewer()->windowTitle(), kAdPrefix + entry + " Advertisement");
        EXPECT_EQ(picChild()->size(), QSize(640, 880));
    }
    EXPECT_TRUE(messages.shown.empty());
}
