// The photo cache: decodes at the shown size, holds a bounded number of photos, fails cleanly.
#include <QImage>

#include <gtest/gtest.h>

#include "shared/doc/photocache.h"
#include "support/mediatree.h"

namespace {

QString jpeg(const MediaTree& tree, const QString& name, QSize size, QColor color)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(color);
    const QString path = tree.add(name, QByteArray());
    img.save(path, "JPG");
    return path;
}

TEST(PhotoCache, DecodesAtTheShownSizeWhateverTheSource)
{
    MediaTree tree;
    const QString big = jpeg(tree, "big.jpg", {1600, 1200}, Qt::red);    // decoder scales by 1/2 first
    const QString small = jpeg(tree, "small.jpg", {320, 240}, Qt::blue); // stretched up
    EXPECT_EQ(PhotoCache::decode(big, {620, 356}).size(), QSize(620, 356));
    EXPECT_EQ(PhotoCache::decode(small, {780, 410}).size(), QSize(780, 410));
    EXPECT_EQ(PhotoCache::decode(small, QSize()).size(), QSize(320, 240));
    const QImage red = PhotoCache::decode(big, {100, 75});
    EXPECT_GT(qRed(red.pixel(50, 40)), 200);
}

TEST(PhotoCache, UnreadableFilesGiveANullImageAndAreNotHeldAsPhotos)
{
    MediaTree tree;
    PhotoCache cache(3);
    cache.setTargetSize({64, 48});
    EXPECT_TRUE(cache.image(tree.add("broken.jpg", "not a jpeg")).isNull());
    EXPECT_TRUE(cache.image(tree.file("missing.jpg")).isNull());
    cache.preload({tree.file("missing.jpg")});
    cache.waitForPreloads();
    EXPECT_TRUE(cache.image(tree.file("missing.jpg")).isNull());
}

TEST(PhotoCache, PreloadedPhotosAreServedAndTheCacheStaysBounded)
{
    MediaTree tree;
    QStringList files;
    for (int i = 0; i < 8; ++i)
        files << jpeg(tree, QStringLiteral("p%1.jpg").arg(i), {160, 120}, QColor::fromHsv(i * 40, 255, 255));
    PhotoCache cache(4);
    cache.setTargetSize({80, 60});
    cache.preload(files);
    cache.waitForPreloads();
    EXPECT_LE(cache.heldCount(), 4);
    for (const QString& f : files)
        EXPECT_EQ(cache.image(f).size(), QSize(80, 60));
    EXPECT_EQ(cache.heldCount(), 4);
    // A new shown size decodes afresh.
    cache.setTargetSize({40, 30});
    EXPECT_EQ(cache.image(files[7]).size(), QSize(40, 30));
    cache.clear();
    EXPECT_EQ(cache.heldCount(), 0);
}

} // namespace
