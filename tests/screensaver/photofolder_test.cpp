#include <gtest/gtest.h>

#include "catalog/mediafiles.h"
#include "fakes/fakedrives.h"
#include "photofolder.h"
#include "support/mediatree.h"

namespace {

struct Folder : ::testing::Test {
    MediaTree tree;
    FakeDrives drives;
    MediaFiles files{drives};
    void SetUp() override { drives.letters.insert('E', tree.path()); }
    QStringList names(const PhotoFolder& f) const
    {
        QStringList out;
        for (const QString& p : f.photos)
            out << p.section('/', -1);
        return out;
    }
};

} // namespace

TEST_F(Folder, TheProgramsPathFormFindsTheFolderInAnyCase)
{
    tree.add("Zephanes/63B.JPG");
    tree.add("Zephanes/63a.jpg");
    tree.add("Zephanes/63C.jpeg");
    tree.add("Zephanes/63A.rtf");
    tree.add("Zephanes/sub.jpg/inner.jpg"); // a folder with a photo's name is no photo
    const QStringList expected = {"63a.jpg", "63B.JPG", "63C.jpeg"};
    for (const QString& path :
         {QStringLiteral("E:\\zephanes\\"), QStringLiteral("e:\\ZEPHANES"), QStringLiteral("E:/zephanes/"),
          tree.path() + "\\ZEPHANES\\", tree.path() + "/Zephanes", tree.path() + "/Zephanes/"}) {
        SCOPED_TRACE(qPrintable(path));
        const PhotoFolder f = PhotoFolder::find(path, files);
        EXPECT_TRUE(f.problem.isEmpty()) << qPrintable(f.problem);
        EXPECT_EQ(names(f), expected);
    }
}

TEST_F(Folder, PhotosAreOrderedByNameWithNumbersCounted)
{
    for (const char* n : {"p10.jpg", "P2.jpg", "p1.JPG"})
        tree.add(QStringLiteral("sszephs/") + n);
    EXPECT_EQ(names(PhotoFolder::find("E:\\sszephs\\", files)), QStringList({"p1.JPG", "P2.jpg", "p10.jpg"}));
}

TEST_F(Folder, NothingToShowIsAProblemNamingThePath)
{
    tree.add("empty/readme.txt");
    struct Case {
        QString path;
        const char* says;
    };
    const QList<Case> cases = {
        {"E:\\empty\\", "holds no photos"},
        {"E:\\gone\\", "cannot be found"},
        {"G:\\zephanes\\", "Is the disc in the drive?"}, // no such drive
        {"E:\\empty\\readme.txt", "cannot be found"},    // a file, not a folder
        {"E:\\..\\..\\etc\\", "cannot be found"},        // never leaves the root
        {"zephanes\\", "cannot be found"},               // relative: no root
        {"", "cannot be found"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.path));
        const PhotoFolder f = PhotoFolder::find(c.path, files);
        EXPECT_TRUE(f.photos.isEmpty());
        EXPECT_TRUE(f.problem.contains(c.says)) << qPrintable(f.problem);
        if (!c.path.isEmpty()) {
            EXPECT_TRUE(f.problem.contains(c.path));
        }
    }
}
