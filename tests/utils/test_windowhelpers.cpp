// The exact screen-size test and the topmost switch.
#include <QWidget>

#include <gtest/gtest.h>

#include "fakes/fakescreen.h"
#include "utils/screensize.h"
#include "utils/ui/topmost.h"

namespace {

TEST(IsScreenSize, ExactEqualityOnBothSidesWidthFirst)
{
    EXPECT_TRUE(IsScreenSize(FakeScreen(800, 600), 800, 600));
    EXPECT_FALSE(IsScreenSize(FakeScreen(800, 601), 800, 600));
    FakeScreen wide(801, 600);
    EXPECT_FALSE(IsScreenSize(wide, 800, 600));
    EXPECT_EQ(wide.heightReads, 0);
    EXPECT_TRUE(IsScreenSize(FakeScreen(640, 480), 640, 480));
    EXPECT_FALSE(IsScreenSize(FakeScreen(1024, 768), 800, 600));
}

TEST(SetTopmost, ChangesStackingOnlyNeverGeometryOrVisibility)
{
    QWidget w;
    w.setGeometry(100, 120, 300, 200);
    w.show();
    const QRect g = w.geometry();

    SetTopmost(&w, kTopmostOff); // not topmost: nothing changes
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(w.isVisible());

    SetTopmost(&w, kTopmostOn);
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.geometry(), g);
    EXPECT_FALSE(w.testAttribute(Qt::WA_ShowWithoutActivating));

    SetTopmost(&w, 1); // raised, still topmost
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    SetTopmost(&w, kTopmostOff);
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(w.geometry(), g);
    EXPECT_TRUE(w.isVisible());

    QWidget hidden;
    SetTopmost(&hidden, kTopmostOn);
    EXPECT_FALSE(hidden.isVisible()); // a hidden window is not shown by the switch
    SetTopmost(nullptr, kTopmostOn);
}

} // namespace
