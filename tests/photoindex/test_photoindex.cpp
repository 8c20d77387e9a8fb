// Building the photo index: stored order, numbering, the empty element after the last photo, ER037.
#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "catalog/errorcodes.h"
#include "catalog/errorreporter.h"
#include "catalog/mediafiles.h"
#include "catalog/mediaroots.h"
#include "catalog/photoindex.h"
#include "support/testservices.h"

namespace {

// A pairwise sort by character code: slow, but plainly right, so the index's order is compared with it.
QStringList referenceSorted(QStringList a)
{
    for (int j = 0; j < a.size(); ++j)
        for (int k = j + 1; k < a.size(); ++k)
            if (QString::compare(a[j], a[k]) > 0)
                std::swap(a[j], a[k]);
    return a;
}

TEST(PhotoIndexBuild, SortsUpperCasesNumbersAndEndsWithAnEmptyElement)
{
    PhotoIndex index;
    buildPhotoIndex(index, {"54a.jpg", "53B.JPG", "a0x.jpg", "53A.JPG", "TT1.jpg"}, "E:");
    ASSERT_EQ(index.photoCount(), 5);
    EXPECT_EQ(index.photoFiles,
              QStringList({"E:\\zephanes\\53A.JPG", "E:\\zephanes\\53B.JPG", "E:\\zephanes\\54A.JPG",
                           "E:\\zephanes\\A0X.JPG", "E:\\zephanes\\TT1.JPG", ""}));
    EXPECT_EQ(index.photoNumbers, QStringList({"1", "2", "1", "1", "1", ""}));
    EXPECT_EQ(index.photoFile(6), QString());
    EXPECT_EQ(index.photoFile(0), QString());
    const int start = index.nameStart();
    EXPECT_EQ(index.codeOf(4, start), "A0"); // a0x.jpg belongs to the year 2000
    EXPECT_EQ(index.displayNameOf(1, start), "53A.JPG");
}

TEST(PhotoIndexBuild, EmptyListingStillHasTheTrailingElement)
{
    PhotoIndex index;
    buildPhotoIndex(index, {}, "E:");
    buildClipArtIndex(index, {}, "E:");
    EXPECT_EQ(index.photoCount(), 0);
    EXPECT_EQ(index.photoFiles, QStringList({""}));
    EXPECT_EQ(index.clipArtCount(), 0);
    EXPECT_EQ(index.nameStart(), -1);
    EXPECT_EQ(index.codeOf(1, index.nameStart()), QString());
}

TEST(PhotoIndexBuild, SameOrderAsAPlainSortByCharacterCodeForMixedNames)
{
    QStringList names;
    std::mt19937 rng(7);
    const QString alphabet = QStringLiteral("0123456789ABZaz_-~.");
    for (int i = 0; i < 400; ++i) {
        QString n;
        for (int c = 0; c < 3 + int(rng() % 6); ++c)
            n += alphabet[int(rng() % alphabet.size())];
        names << n + QStringLiteral(".jpg");
    }
    names << names.mid(0, 20); // duplicates
    PhotoIndex index;
    buildPhotoIndex(index, names, "E:");
    QStringList upper;
    for (const QString& n : names)
        upper << QStringLiteral("E:\\zephanes\\") + n.toUpper();
    QStringList expected = referenceSorted(upper);
    expected << QString();
    EXPECT_EQ(index.photoFiles, expected);

    buildClipArtIndex(index, names, "E:");
    QStringList clip;
    for (const QString& n : referenceSorted(names))
        clip << QStringLiteral("E:\\clipart\\") + n; // clip art keeps its case
    clip << QString();
    EXPECT_EQ(index.clipArtFiles, clip);
}

TEST(PhotoIndexBuild, CountsBeyondSixteenBitsWork)
{
    QStringList names;
    for (int i = 0; i < 40000; ++i)
        names << QStringLiteral("53%1.JPG").arg(i, 6, 10, QLatin1Char('0'));
    PhotoIndex index;
    buildPhotoIndex(index, names, "E:");
    EXPECT_EQ(index.photoCount(), 40000);
    EXPECT_EQ(index.photoNumber(40000), "40000");
    EXPECT_EQ(index.photoFile(40001), QString());
}

class LoadPhotoIndexTest : public ::testing::Test, protected TestServices {
protected:
    LoadPhotoIndexTest() { roots.mediaRoot = roots.photoRoot = roots.programFolder = tree.path(); }
    MediaRoots roots;
    PhotoIndex index;
};

TEST_F(LoadPhotoIndexTest, ListsPhotosAndClipArtOfTheTree)
{
    tree.add("ZEPHANES/54a.jpg");
    tree.add("ZEPHANES/53a.jpg");
    tree.add("ZEPHANES/readme.txt");
    tree.add("ClipArt/Ca53.JPG");
    ASSERT_TRUE(LoadPhotoIndex(index, roots, files, reporter));
    EXPECT_EQ(index.photoFiles,
              QStringList({tree.path() + "\\zephanes\\53A.JPG", tree.path() + "\\zephanes\\54A.JPG", ""}));
    EXPECT_EQ(index.clipArtFiles, QStringList({tree.path() + "\\clipart\\Ca53.JPG", ""}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(errors.code, errc::kPhotoIndex);
}

TEST_F(LoadPhotoIndexTest, UnreachableRootOffersRetryThenCancelEndsTheProgram)
{
    roots.photoRoot = tree.path() + "/gone";
    messages.answer({MessageAnswer::Retry});
    messages.onAsk = [&](const MessageRequest&) {
        if (messages.shown.size() == 1)
            tree.addFolder("gone/zephanes"); // the disc is back for the retry
    };
    tree.add("gone/zephanes/60A.JPG");
    QDir(tree.file("gone")).removeRecursively();
    ASSERT_TRUE(LoadPhotoIndex(index, roots, files, reporter));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(errc::kPhotoIndex));
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::RetryCancel);
    EXPECT_FALSE(processes.ended);

    roots.mediaRoot = tree.path() + "/missing";
    PhotoIndex before = index;
    EXPECT_FALSE(LoadPhotoIndex(index, roots, files, reporter));
    EXPECT_TRUE(processes.ended);
    EXPECT_EQ(index.photoFiles, before.photoFiles); // a cancelled build changes nothing
}

} // namespace
