#include <gtest/gtest.h>

#include "catalog/mediarules.h"
#include "mainwin/largepicturelayout.h"

using namespace largepicture;

namespace {
const QSize kBars(16, 16);
}

TEST(LargePictureLayout, ThreeTimesTheViewportGetsThePageRule)
{
    // Client 816 x 616 -> viewport 800 x 600; picture 2400 x 600.
    const Layout l = layout(QSize(816, 616), QSize(2400, 600), kBars, Layout{});
    EXPECT_EQ(l.viewport, QRect(0, 0, 800, 600));
    EXPECT_EQ(l.horizontal.maximum, 1600);
    EXPECT_TRUE(l.horizontal.enabled);
    EXPECT_EQ(l.horizontal.largeChange, (1600 / 3) / 6);
    // Same height as the viewport: the vertical bar is disabled but placed.
    EXPECT_FALSE(l.vertical.enabled);
    EXPECT_EQ(l.vertical.maximum, 0);
    EXPECT_EQ(l.horizontal.geometry, QRect(0, 600, 800, 16));
    EXPECT_EQ(l.vertical.geometry, QRect(800, 0, 16, 600));
    EXPECT_EQ(l.corner, QRect(800, 600, 16, 16));
}

TEST(LargePictureLayout, SmallerPictureDisablesBothBars)
{
    const Layout l = layout(QSize(1024, 768), QSize(300, 200), kBars, Layout{});
    EXPECT_FALSE(l.horizontal.enabled);
    EXPECT_FALSE(l.vertical.enabled);
    EXPECT_LT(l.horizontal.maximum, 0);
}

TEST(LargePictureLayout, ValuesBeyondSixteenBitsKeepTheirOldSettings)
{
    Layout before;
    before.horizontal.maximum = 123;
    before.horizontal.largeChange = 7;
    const Layout l = layout(QSize(816, 616), QSize(40000, 1300), kBars, before);
    EXPECT_EQ(l.horizontal.maximum, 123) << "a maximum that does not fit is skipped";
    EXPECT_TRUE(l.horizontal.enabled) << "the next step still runs";
    EXPECT_EQ(l.horizontal.largeChange, 7) << "(123 / 50) / 6 is 0, so the page step is skipped too";
    EXPECT_EQ(l.vertical.maximum, 700);
    EXPECT_EQ(l.vertical.largeChange, (700 / 2) / 6);
}

TEST(LargePictureLayout, TinyOrEmptyWindowsDoNotDivideByZero)
{
    const Layout l = layout(QSize(10, 10), QSize(500, 500), kBars, Layout{});
    EXPECT_EQ(l.viewport.width(), 0);
    EXPECT_TRUE(l.horizontal.enabled);
    EXPECT_EQ(l.horizontal.largeChange, 1);
    const Layout e = layout(QSize(0, 0), QSize(0, 0), kBars, Layout{});
    EXPECT_FALSE(e.horizontal.enabled);
}

TEST(LargePictureZoom, PortraitAdvertisementIsNarrowAndCentred)
{
    const QSize screen(1024, 768);
    const auto r = zoomOut("The Zephane Folarium    1963 Advertisement", "1963", screen, QRect(0, 0, 620, 752));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->width(), 579);  // 0.77 x 752
    EXPECT_EQ(r->height(), 768);
    EXPECT_EQ(r->left(), (1024 - 579) / 2);
    EXPECT_EQ(r->top(), 0);
}

TEST(LargePictureZoom, LandscapeAdvertisementFillsTheWidth)
{
    const auto r = zoomOut("The Zephane Folarium    1984 Advertisement", "1984", QSize(1024, 768), QRect(0, 5, 620, 752));
    ASSERT_TRUE(r);
    EXPECT_EQ(*r, QRect(0, 5, 1024, 768));
    EXPECT_TRUE(mediarules::hasLandscapeAdvertisement("1990-1995 ZR-1 "));
    EXPECT_FALSE(mediarules::hasLandscapeAdvertisement("1983"));
    EXPECT_FALSE(mediarules::hasLandscapeAdvertisement("1996"));
}

TEST(LargePictureZoom, SeriesAndTwoCollectionsNeverZoomOut)
{
    EXPECT_FALSE(zoomOut(kSeriesCaption, "1963", QSize(800, 600), QRect(0, 0, 620, 584)));
    EXPECT_FALSE(zoomOut("The Zephane Folarium    Stroudley Cars  Advertisement", "Stroudley Cars ", QSize(800, 600),
                         QRect(0, 0, 620, 584)));
    EXPECT_FALSE(zoomOut("x", "Kavell Automotive Concepts ", QSize(800, 600), QRect(0, 0, 620, 584)));
    EXPECT_TRUE(zoomOut("x", "Kavell Automotive Concepts", QSize(800, 600), QRect(0, 0, 620, 584)));
}
