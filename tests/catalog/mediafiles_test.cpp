#include <gtest/gtest.h>

#include "catalog/mediafiles.h"
#include "fakes/fakedrives.h"
#include "support/mediatree.h"

namespace {

struct Media : ::testing::Test {
    MediaTree tree;
    FakeDrives drives;
    MediaFiles files{drives};
    void SetUp() override { drives.letters.insert('E', tree.path()); }
};

} // namespace

TEST_F(Media, FolderAndFileNamesMatchWithoutRegardToCase)
{
    const QString desc = tree.add("RichText/63DESC.RTF");
    const QString script = tree.add("SCRIPTS/scri63.jpg");
    EXPECT_EQ(files.resolve("E:\\richtext\\63desc.rtf"), desc);
    EXPECT_EQ(files.resolve("E:\\RichText\\63desc.rtf"), desc);
    EXPECT_EQ(files.resolve("E:\\scripts\\SCRI63.jpg"), script);
    EXPECT_EQ(files.resolve("e:\\Scripts\\scri63.JPG"), script);
    EXPECT_FALSE(files.resolve("E:\\richtext\\64desc.rtf"));
}

TEST_F(Media, ExactSpellingWinsOverAnotherCase)
{
    const QString upper = tree.add("wav/HORN.wav", "upper");
    const QString lower = tree.add("wav/horn.wav", "lower");
    EXPECT_EQ(files.resolve("E:\\wav\\HORN.wav"), upper);
    EXPECT_EQ(files.resolve("E:\\wav\\horn.wav"), lower);
    EXPECT_TRUE(files.resolve("E:\\wav\\Horn.WAV").has_value());
}

TEST_F(Media, PathsNeverLeaveTheRoot)
{
    MediaTree outside;
    outside.add("secret.txt");
    tree.addFolder("zephanes");
    EXPECT_FALSE(
        files.resolve("E:\\zephanes\\..\\..\\" + QFileInfo(outside.path()).fileName() + "\\secret.txt"));
    EXPECT_FALSE(files.resolve("E:\\zephanes\\..\\zephanes"));
    EXPECT_FALSE(files.resolve("E:\\.\\zephanes"));
    EXPECT_FALSE(files.resolve("E:\\zephanes/../x"));
    EXPECT_TRUE(files.writablePath("E:\\..\\x").isEmpty());
    EXPECT_TRUE(files.list("E:\\..\\*").isEmpty());
}

TEST_F(Media, SymbolicLinksNeverLeadOutOfTheRoot)
{
    MediaTree outside;
    outside.add("secret.txt");
    tree.addFolder("zephanes");
    ASSERT_TRUE(QFile::link("/etc", tree.file("zephanes/etc")));
    ASSERT_TRUE(QFile::link(outside.path(), tree.file("escape")));
    ASSERT_TRUE(QFile::link(outside.file("secret.txt"), tree.file("zephanes/53A.JPG")));
    EXPECT_FALSE(files.resolve("E:\\zephanes\\etc"));
    EXPECT_FALSE(files.resolve("E:\\zephanes\\etc\\passwd"));
    EXPECT_FALSE(files.resolve("E:\\ZEPHANES\\ETC\\PASSWD")); // the case-insensitive way too
    EXPECT_FALSE(files.resolve("E:\\escape\\secret.txt"));
    EXPECT_FALSE(files.resolve("E:\\zephanes\\53A.JPG"));
    EXPECT_FALSE(files.exists("E:\\escape"));
    EXPECT_TRUE(files.list("E:\\escape\\*").isEmpty());
    EXPECT_TRUE(files.writablePath("E:\\escape\\new.txt").isEmpty());
    EXPECT_TRUE(files.writablePath("E:\\zephanes\\etc\\x").isEmpty());

    // Links that stay inside the tree are followed as before.
    const QString movie = tree.add("real/Movies/a.avi");
    ASSERT_TRUE(QFile::link(tree.file("real/Movies"), tree.file("movies")));
    ASSERT_TRUE(QFile::link(movie, tree.file("real/b.avi")));
    EXPECT_EQ(files.resolve("E:\\movies\\A.AVI"), tree.path() + "/movies/a.avi");
    EXPECT_EQ(files.resolve("E:\\real\\B.avi"), tree.path() + "/real/b.avi");
    EXPECT_EQ(files.list("E:\\movies\\*.avi"), QStringList{"a.avi"});
    EXPECT_EQ(files.writablePath("E:\\movies\\new.avi"), tree.path() + "/movies/new.avi");
}

TEST_F(Media, ManyFilesOfOneFolderResolveAsEachAlone)
{
    MediaTree outside;
    outside.add("secret.txt");
    const QString plain = tree.add("zephanes/53A.JPG");
    tree.add("zephanes/54b.jpg");
    tree.add("zephanes/sub/55C.JPG");
    tree.addFolder("zephanes/folder.jpg");
    ASSERT_TRUE(QFile::link(outside.file("secret.txt"), tree.file("zephanes/OUT.JPG")));
    ASSERT_TRUE(QFile::link(plain, tree.file("zephanes/IN.JPG")));
    ASSERT_TRUE(QFile::link(outside.path(), tree.file("escape")));
    const QStringList names{"53A.JPG",      "54B.JPG",    "OUT.JPG", "IN.JPG", "missing.jpg",
                            "sub\\55c.jpg", "folder.jpg", "..",      ""};
    for (const QString folder : {"E:\\zephanes\\", "E:\\ZEPHANES\\", "E:\\escape\\", "E:\\none\\"}) {
        const auto all = files.resolveAll(folder, names);
        ASSERT_EQ(all.size(), size_t(names.size()));
        for (qsizetype i = 0; i < names.size(); ++i)
            EXPECT_EQ(all[size_t(i)], files.resolve(folder + names[i])) << qPrintable(folder + names[i]);
    }
    EXPECT_EQ(files.resolveAll("E:\\zephanes\\", {"53A.JPG"}).front(), plain);
    EXPECT_FALSE(files.resolveAll("E:\\zephanes\\", {"OUT.JPG"}).front());
}

TEST_F(Media, UnknownRootsResolveToNothing)
{
    tree.add("zephanes/53A.JPG");
    EXPECT_FALSE(files.resolve("F:\\zephanes\\53A.JPG"));
    EXPECT_FALSE(files.resolve("relative\\zephanes\\53A.JPG"));
    EXPECT_FALSE(files.resolve(""));
    EXPECT_TRUE(files.list("Q:\\zephanes\\*.jpg").isEmpty());
}

TEST_F(Media, FolderRootsWorkLikeTheSwitch)
{
    const QString sound = tree.add("passby.wav");
    EXPECT_EQ(files.resolve(tree.path() + "\\passby.wav"), sound);
    EXPECT_EQ(files.resolve(tree.path() + "\\PASSBY.WAV"), sound);
}

TEST_F(Media, WildcardListingIsCaseInsensitiveAndSkipsFolders)
{
    tree.add("Zephanes/53A.JPG");
    tree.add("Zephanes/53b.jpg");
    tree.add("Zephanes/notes.txt");
    tree.addFolder("Zephanes/sub.jpg");
    QStringList names = files.list("E:\\zephanes\\*.jpg");
    names.sort();
    EXPECT_EQ(names, (QStringList{"53A.JPG", "53b.jpg"}));
    EXPECT_TRUE(files.list("E:\\nothere\\*.jpg").isEmpty());
}

TEST_F(Media, ListingSeesFilesAddedAfterTheFirstLook)
{
    tree.add("clipart/1953.jpg");
    EXPECT_EQ(files.list("E:\\clipart\\*.jpg").size(), 1);
    EXPECT_FALSE(files.resolve("E:\\clipart\\SK01.jpg"));
    tree.add("clipart/sk01.JPG");
    EXPECT_EQ(files.list("E:\\clipart\\*.jpg").size(), 2);
    EXPECT_TRUE(files.resolve("E:\\clipart\\SK01.jpg"));
}

TEST_F(Media, OddFileNamesResolve)
{
    const QString blank = tree.add("RichText/a b  c.rtf");
    const QString unicode = tree.add("RichText/Citroën é.rtf");
    EXPECT_EQ(files.resolve("E:\\richtext\\A B  C.rtf"), blank);
    EXPECT_EQ(files.resolve("E:\\richtext\\CITROËN É.RTF"), unicode);
}

TEST_F(Media, WritablePathKeepsExistingSpellingAndAppendsTheRest)
{
    tree.addFolder("SSZEPHS");
    EXPECT_EQ(files.writablePath("E:\\sszephs\\63A.JPG"), tree.path() + "/SSZEPHS/63A.JPG");
    EXPECT_EQ(files.writablePath("E:\\movies\\A.AVI"), tree.path() + "/movies/A.AVI");
}

TEST(Wildcards, Patterns)
{
    EXPECT_TRUE(wildcardMatch("*.jpg", "63A.JPG"));
    EXPECT_TRUE(wildcardMatch("*.*", "a.b"));
    EXPECT_TRUE(wildcardMatch("emb??f.jpg", "EMB63F.JPG"));
    EXPECT_FALSE(wildcardMatch("emb??f.jpg", "emb630f.jpg"));
    EXPECT_FALSE(wildcardMatch("*.jpg", "63A.jpeg"));
    EXPECT_TRUE(wildcardMatch("*a*b*c", "xxaxxbxxc"));
    EXPECT_FALSE(wildcardMatch("*a*b*c", "xxaxxbxx"));
    // A pathological pattern still ends quickly.
    EXPECT_FALSE(wildcardMatch("*a*a*a*a*a*a*a*a*b", QString(5000, 'a')));
}
