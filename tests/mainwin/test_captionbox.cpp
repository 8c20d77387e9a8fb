// Where rtbDetails goes for a caption text: beside cmdAd, or at a Top Ten portrait.
#include <gtest/gtest.h>

#include "mainwin/captionbox.h"

TEST(CaptionBox, BesideAdButtonEndsTenPixelsLeftOfItsRightEdgeAtThePhotosTop)
{
    const QRect ad(672, 0, 41, 18);
    for (const QRect photo : {QRect(10, 48, 780, 410), QRect(10, 48, 620, 356)}) {
        for (const QSize box : {QSize(329, 65), QSize(329, 106)}) {
            const QRect r = captionbox::besideAdButton(box, ad, photo);
            EXPECT_EQ(r.size(), box);
            EXPECT_EQ(r.x() + r.width(), ad.x() + ad.width() - 10);
            EXPECT_EQ(r.y(), photo.y() + 8);
        }
    }
}

TEST(CaptionBox, EveryTopTenPortraitHasABoxOnThePhotoAndOtherNumbersNone)
{
    const QRect designPhoto(10, 48, 780, 410);
    for (int n = 1; n <= 10; ++n) {
        const std::optional<QRect> r = captionbox::topTenBox(QString::number(n));
        ASSERT_TRUE(r) << n;
        EXPECT_TRUE(designPhoto.contains(*r)) << n;
    }
    for (const char* other : {"", "0", "11", "1 ", "01"})
        EXPECT_FALSE(captionbox::topTenBox(QLatin1String(other))) << other;
}
