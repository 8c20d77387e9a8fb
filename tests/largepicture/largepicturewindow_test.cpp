#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "mainwin/ui/largepicturewindow.h"
#include "support/mediatree.h"

namespace {

struct Viewer : ::testing::Test {
    MediaTree tree;
    QString entry = "1963";
    QPointer<LargePictureWindow> viewer =
        new LargePictureWindow([this] { return entry; }, QRect(0, 0, 1024, 768));

    ~Viewer() override { delete viewer.data(); }

    QString picture(int w, int h)
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(Qt::darkBlue);
        const QString path = tree.file(QString("p%1x%2.jpg").arg(w).arg(h));
        img.save(path, "JPG");
        return path;
    }
    template <typename T> T* find(const char* name) { return viewer->findChild<T*>(name); }
};

} // namespace

TEST_F(Viewer, OpensInTheScrollingViewWithBarsSetForThePicture)
{
    ASSERT_TRUE(viewer->showLargePicture(picture(3000, 900), "The Zephane Folarium    1963 Advertisement",
                                         QSize(800, 600)));
    EXPECT_EQ(viewer->windowTitle(), "The Zephane Folarium    1963 Advertisement");
    EXPECT_TRUE(viewer->scrollingViewShown());
    EXPECT_EQ(viewer->frameGeometry().size(), QSize(1024, 768)); // the frame included
    auto* h = find<QScrollBar>("HScroll1");
    auto* parent = find<QWidget>("picParent");
    ASSERT_TRUE(h && parent);
    EXPECT_TRUE(h->isVisible());
    EXPECT_TRUE(h->isEnabled());
    EXPECT_EQ(h->maximum(), 3000 - parent->width());
    EXPECT_EQ(h->pageStep(), ((3000 - parent->width()) / (3000 / parent->width())) / 6);
    EXPECT_EQ(find<QPushButton>("SSCommand1")->text(), "X");
}

TEST_F(Viewer, ScrollingMovesThePictureWithoutReloading)
{
    ASSERT_TRUE(viewer->showLargePicture(picture(4000, 3000), "c", QSize(800, 600)));
    auto* child = find<QLabel>("picChild");
    const qint64 key = child->pixmap().cacheKey();
    find<QScrollBar>("HScroll1")->setValue(1234);
    find<QScrollBar>("VScroll1")->setValue(567);
    EXPECT_EQ(child->pos(), QPoint(-1234, -567));
    EXPECT_EQ(child->pixmap().cacheKey(), key);
}

TEST_F(Viewer, SmallPictureKeepsBarsVisibleButDisabled)
{
    ASSERT_TRUE(viewer->showLargePicture(picture(200, 100), "c", QSize(800, 600)));
    EXPECT_TRUE(find<QScrollBar>("HScroll1")->isVisible());
    EXPECT_FALSE(find<QScrollBar>("HScroll1")->isEnabled());
    EXPECT_FALSE(find<QScrollBar>("VScroll1")->isEnabled());
}

TEST_F(Viewer, LeftClickZoomsOutAndBackIn)
{
    ASSERT_TRUE(viewer->showLargePicture(picture(900, 1200), "The Zephane Folarium    1963 Advertisement",
                                         QSize(800, 600)));
    auto* image1 = find<QLabel>("Image1");
    const int heightBefore = image1->height();
    QTest::mouseClick(find<QLabel>("picChild"), Qt::LeftButton);
    EXPECT_FALSE(viewer->scrollingViewShown());
    EXPECT_TRUE(image1->isVisible());
    EXPECT_EQ(image1->width(), qRound(0.77 * heightBefore));
    EXPECT_EQ(image1->height(), 768);
    QTest::mouseClick(image1, Qt::LeftButton);
    EXPECT_TRUE(viewer->scrollingViewShown());
}

TEST_F(Viewer, SeriesPageRefusesToZoomOut)
{
    ASSERT_TRUE(viewer->showLargePicture(picture(900, 1200), largepicture::kSeriesCaption, QSize(800, 600)));
    QTest::mouseClick(find<QLabel>("picChild"), Qt::LeftButton);
    EXPECT_TRUE(viewer->scrollingViewShown());
}

TEST_F(Viewer, RightClickInEitherViewCloses)
{
    ASSERT_TRUE(viewer->showLargePicture(picture(900, 1200), "c", QSize(800, 600)));
    QSignalSpy unloaded(viewer.data(), &LargePictureWindow::unloaded);
    QTest::mouseClick(find<QLabel>("picChild"), Qt::LeftButton);
    QTest::mousePress(find<QLabel>("Image1"), Qt::RightButton);
    EXPECT_EQ(unloaded.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(viewer.isNull()) << "closing unloads the viewer";
}

TEST_F(Viewer, CornerButtonCloses)
{
    ASSERT_TRUE(viewer->showLargePicture(picture(900, 1200), "c", QSize(800, 600)));
    QSignalSpy unloaded(viewer.data(), &LargePictureWindow::unloaded);
    QTest::mouseClick(find<QPushButton>("SSCommand1"), Qt::LeftButton);
    EXPECT_EQ(unloaded.count(), 1);
}

TEST_F(Viewer, MissingOrCorruptPictureFailsAndShowsNothing)
{
    EXPECT_FALSE(viewer->showLargePicture(tree.file("none.jpg"), "c", QSize(800, 600)));
    EXPECT_FALSE(viewer->isVisible());
    const QString bad = tree.add("bad.jpg", QByteArray("\xff\xd8\xff garbage", 12));
    EXPECT_FALSE(viewer->showLargePicture(bad, "c", QSize(800, 600)));
    EXPECT_FALSE(viewer->isVisible());
}

// The whole window, frame included, fills the screen's available area: under a window manager the bottom
// scroll bar and the "X" stay on the screen, and a panel at the screen's top pushes the window down.
TEST(LargePictureFit, TheFramedWindowFillsTheAvailableAreaExactly)
{
    struct Case {
        QRect available;
        QMargins frame;
    };
    const Case cases[] = {
        {QRect(0, 0, 1024, 768), QMargins()},
        {QRect(0, 0, 1024, 768), QMargins(4, 24, 4, 4)},
        {QRect(0, 28, 1280, 996), QMargins(1, 30, 1, 1)},
        {QRect(1920, 0, 800, 600), QMargins(5, 5, 5, 5)},
    };
    for (const Case& c : cases) {
        const QRect client = largepicture::fittedClientGeometry(c.available, c.frame);
        const QRect framed = client.marginsAdded(c.frame);
        EXPECT_EQ(framed, c.available) << c.frame.top();
    }
    // A frame larger than the area leaves a window that still exists.
    EXPECT_FALSE(largepicture::fittedClientGeometry(QRect(0, 0, 20, 20), QMargins(15, 15, 15, 15)).isEmpty());
}

TEST_F(Viewer, ShownInsideTheAvailableAreaWithItsFrame)
{
    delete viewer.data();
    const QRect area(0, 30, 1024, 738); // a panel takes the screen's top
    viewer = new LargePictureWindow([this] { return entry; }, area);
    ASSERT_TRUE(viewer->showLargePicture(picture(3000, 2000), "c", QSize(800, 600)));
    const QRect framed = viewer->frameGeometry();
    EXPECT_TRUE(area.contains(framed))
        << framed.x() << "," << framed.y() << " " << framed.width() << "x" << framed.height();
    EXPECT_EQ(framed.topLeft(), area.topLeft());
    // The bottom scroll bar and the close button lie inside the window, hence on the screen.
    auto* h = find<QScrollBar>("HScroll1");
    auto* close = find<QPushButton>("SSCommand1");
    EXPECT_LE(h->geometry().bottom(), viewer->height() - 1);
    EXPECT_LE(close->geometry().bottom(), viewer->height() - 1);
    EXPECT_LE(close->geometry().right(), viewer->width() - 1);
}
