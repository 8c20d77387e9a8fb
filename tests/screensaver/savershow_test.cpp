#include <gtest/gtest.h>

#include <QImage>

#include "catalog/mediafiles.h"
#include "fakes/fakedrives.h"
#include "saverfakes.h"
#include "savershow.h"
#include "support/mediatree.h"

namespace {

struct Show : ::testing::Test {
    MediaTree tree;
    FakeDrives drives;
    MediaFiles files{drives};
    FakeSaverView view;
    FakeSaverTimer timer;
    FakeDecoder decoder;
    SaverShow show{view, timer, decoder, [this](const QString& p) { return PhotoFolder::find(p, files); }};

    void SetUp() override { drives.letters.insert('E', tree.path()); }
    SaverSettings settings(int seconds = 5) const
    {
        SaverSettings s;
        s.photoPath = QStringLiteral("E:\\zephanes\\");
        s.intervalSeconds = seconds;
        return s;
    }
    void photos(const QStringList& names) const
    {
        for (const QString& n : names)
            tree.add("zephanes/" + n);
    }
};

} // namespace

TEST_F(Show, OnePhotoPerIntervalWithTheNextAlreadyDecoded)
{
    photos({"53A.JPG", "53B.JPG", "54A.JPG"});
    show.start(settings(7));
    ASSERT_EQ(decoder.jobs.size(), 1u);
    EXPECT_EQ(decoder.jobs[0].size, view.size); // decoded at the size it is shown
    EXPECT_FALSE(timer.running);                // the first interval begins with the first photo
    decoder.answer();
    EXPECT_EQ(view.shown, QStringList({"photo:53A.JPG"}));
    EXPECT_TRUE(timer.running);
    EXPECT_EQ(timer.intervalMs, 7000);
    ASSERT_EQ(decoder.jobs.size(), 1u); // the next one is on its way before its turn
    EXPECT_TRUE(decoder.jobs[0].file.endsWith("53B.JPG"));
    decoder.answer();
    EXPECT_EQ(view.shown.size(), 1); // ready, but waits for the interval

    timer.fire();
    EXPECT_EQ(view.shown.last(), "photo:53B.JPG");
    decoder.answer();
    timer.fire();
    EXPECT_EQ(view.shown.last(), "photo:54A.JPG");
    decoder.answer();
    timer.fire();
    EXPECT_EQ(view.shown.last(), "photo:53A.JPG"); // round again
    EXPECT_EQ(show.shownIndex(), 0);
}

TEST_F(Show, ADecodeSlowerThanTheIntervalShowsAsSoonAsItArrives)
{
    photos({"53A.JPG", "53B.JPG"});
    show.start(settings());
    decoder.answer();
    timer.fire();
    timer.fire(); // two intervals pass while 53B is still decoding: nothing new, nothing asked twice
    EXPECT_EQ(view.shown, QStringList({"photo:53A.JPG"}));
    EXPECT_EQ(decoder.jobs.size(), 1u);
    decoder.answer();
    EXPECT_EQ(view.shown.last(), "photo:53B.JPG");
}

TEST_F(Show, AnUnreadablePhotoGetsAMessageInItsTurnAndTheShowGoesOn)
{
    photos({"53A.JPG", "bad.jpg", "c.jpg"});
    show.start(settings());
    decoder.answer();
    decoder.answer();
    timer.fire();
    EXPECT_EQ(view.shown.last(), "message:The photo bad.jpg cannot be shown.");
    decoder.answer();
    timer.fire();
    EXPECT_EQ(view.shown.last(), "photo:c.jpg");
    EXPECT_TRUE(timer.running);
}

TEST_F(Show, WhenNoPhotoCanBeReadAMessageStaysAndNothingRuns)
{
    photos({"bad1.jpg", "bad2.jpg"});
    show.start(settings());
    decoder.answer();
    EXPECT_EQ(view.shown.last(), "message:The photo bad1.jpg cannot be shown.");
    decoder.answer();
    EXPECT_EQ(view.shown.last(), "message:None of the photos in E:\\zephanes\\ can be shown.");
    EXPECT_FALSE(timer.running);
    EXPECT_TRUE(decoder.jobs.empty());
    EXPECT_TRUE(show.stopped());
}

TEST_F(Show, BadSettingsOrNoPhotosGiveACalmMessageAndNoTimer)
{
    SaverSettings broken;
    broken.problem = QStringLiteral("The settings name no photo folder.");
    show.start(broken);
    EXPECT_EQ(view.shown, QStringList({"message:The settings name no photo folder."}));

    FakeSaverView otherView;
    SaverShow empty(otherView, timer, decoder,
                    [this](const QString& p) { return PhotoFolder::find(p, files); });
    tree.add("zephanes/readme.txt");
    empty.start(settings());
    ASSERT_EQ(otherView.shown.size(), 1);
    EXPECT_TRUE(otherView.shown[0].contains("holds no photos"));
    EXPECT_FALSE(timer.running);
    EXPECT_TRUE(decoder.jobs.empty());
}

TEST_F(Show, TheFolderIsLookedAtAgainEachRound)
{
    photos({"a.jpg", "b.jpg"});
    show.start(settings());
    decoder.answer(); // a shows
    decoder.answer(); // b ready
    photos({"c.jpg"});
    timer.fire(); // b shows; the round ends, so the folder is read again
    decoder.answer();
    timer.fire();
    EXPECT_EQ(view.shown.last(), "photo:a.jpg");
    EXPECT_EQ(show.photos().size(), 3);

    // The disc goes away: the last photo keeps its turn, then a message stays.
    decoder.answer();
    timer.fire(); // b
    decoder.answer();
    QDir(tree.file("zephanes")).removeRecursively();
    timer.fire(); // c shows; the folder is gone
    EXPECT_EQ(view.shown.last(), "photo:c.jpg");
    timer.fire();
    EXPECT_TRUE(view.shown.last().contains("cannot be found")) << qPrintable(view.shown.last());
    EXPECT_FALSE(timer.running);
}

TEST(SaverDecoder, PhotosAreDecodedToFitAndBrokenFilesGiveNothing)
{
    MediaTree tree;
    QImage wide(1600, 900, QImage::Format_RGB32);
    wide.fill(Qt::red);
    ASSERT_TRUE(wide.save(tree.file("wide.jpg"), "JPG"));
    const QImage fitted = ThreadedDecoder::decodeNow(tree.file("wide.jpg"), QSize(800, 600));
    EXPECT_EQ(fitted.size(), QSize(800, 450));
    EXPECT_EQ(fitted.format(), QImage::Format_RGB32);
    EXPECT_GT(qRed(fitted.pixel(400, 225)), 200);

    tree.add("cut.jpg", QByteArray("\xFF\xD8\xFF\xE0", 4));
    tree.add("text.jpg", "not a picture");
    EXPECT_TRUE(ThreadedDecoder::decodeNow(tree.file("cut.jpg"), QSize(800, 600)).isNull());
    EXPECT_TRUE(ThreadedDecoder::decodeNow(tree.file("text.jpg"), QSize(800, 600)).isNull());
    EXPECT_TRUE(ThreadedDecoder::decodeNow(tree.file("missing.jpg"), QSize(800, 600)).isNull());
    EXPECT_TRUE(ThreadedDecoder::decodeNow(tree.file("wide.jpg"), QSize()).isNull());
}
