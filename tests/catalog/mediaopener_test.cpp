#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "catalog/mediafiles.h"
#include "catalog/mediaopener.h"
#include "fakes/fakedesktop.h"
#include "fakes/fakediscimages.h"
#include "fakes/fakedrives.h"
#include "platform/discimagefile.h"
#include "support/discimagebytes.h"
#include "support/mediatree.h"

namespace {

struct Opener : ::testing::Test {
    MediaTree place;
    FakeDrives drives;
    MediaFiles files{drives};
    FakeDiscImages images;
    FakeDesktop settings;
    MediaOpener opener{images, settings, files};
};

} // namespace

TEST_F(Opener, PathKindsAreToldByContentNotByName)
{
    place.add("tree/zephanes/53A.JPG");
    const QString image = place.add("disc.bin", fakeIsoBytes());
    const QString udf = place.add("udf.img", QByteArray(16 * 2048, '\0') + QByteArray("\0BEA01", 6));
    const QString iso = place.add("holiday.iso", QByteArray(40000, 'x'));
    const QString empty = place.add("empty.iso", QByteArray());
    const QString shortFile = place.add("short.iso", "CD001");
    using discimage::Kind;
    EXPECT_EQ(discimage::inspect(place.file("tree")), Kind::Folder);
    EXPECT_EQ(discimage::inspect(image), Kind::Image);
    EXPECT_EQ(discimage::inspect(udf), Kind::Image);
    EXPECT_EQ(discimage::inspect(iso), Kind::NotAnImage);
    EXPECT_EQ(discimage::inspect(empty), Kind::Empty);
    EXPECT_EQ(discimage::inspect(shortFile), Kind::NotAnImage);
    EXPECT_EQ(discimage::inspect(place.file("gone.iso")), Kind::Missing);
    EXPECT_EQ(discimage::inspect(QString()), Kind::Missing);
    EXPECT_EQ(discimage::inspect(QStringLiteral("/dev/null")), Kind::NotAnImage); // never read
}

TEST_F(Opener, FolderWithItsNamesInAnyCaseOpens)
{
    place.add("Copy Of Disc/ZEPHANES/53A.JPG");
    place.add("Copy Of Disc/RICHTEXT/53DESC.RTF");
    const MediaOpener::Opened o = opener.open(place.file("Copy Of Disc"));
    ASSERT_TRUE(o.ok()) << qPrintable(o.error);
    EXPECT_EQ(o.root, QDir::cleanPath(place.file("Copy Of Disc")));
    EXPECT_TRUE(files.exists(o.root + "\\richtext\\53desc.rtf"));
    EXPECT_TRUE(images.requests.isEmpty());
    // A relative path is made absolute, so that it still holds after the current folder changes.
    const QString before = QDir::currentPath();
    QDir::setCurrent(place.path());
    EXPECT_EQ(opener.open("Copy Of Disc/").root, QDir::cleanPath(place.file("Copy Of Disc")));
    QDir::setCurrent(before);
}

TEST_F(Opener, BadPathsAreNamedWithWhatWasLookedFor)
{
    place.add("notes/zephanes/readme.txt"); // a photo folder without photos
    place.add("corrupt.iso", QByteArray(100000, '\x5a'));
    place.add("empty.iso", QByteArray());
    struct Case {
        QString path;
        QString says;
    };
    const QList<Case> cases = {
        {place.file("missing.iso"), "no such folder or file"},
        {place.file("empty.iso"), "empty"},
        {place.file("corrupt.iso"), "neither a folder nor a disc image"},
        {place.file("notes"), "holds no photos"},
        {place.path(), "holds no photos"},
    };
    for (const Case& c : cases) {
        const MediaOpener::Opened o = opener.open(c.path);
        EXPECT_FALSE(o.ok()) << qPrintable(c.path);
        EXPECT_TRUE(o.error.contains(c.says)) << qPrintable(o.error);
        EXPECT_TRUE(o.error.contains(c.path)) << qPrintable(o.error);
    }
    EXPECT_TRUE(opener.open(place.path()).error.contains(MediaOpener::lookedFor()));
    EXPECT_TRUE(images.requests.isEmpty()) << "nothing but a disc image is mounted";
    EXPECT_TRUE(settings.settings.empty()) << "nothing that failed is remembered";
}

TEST_F(Opener, ImageIsMountedAndReadFromItsFolder)
{
    const QString image = place.add("disc.iso", fakeIsoBytes());
    const QString empty = place.add("blank.iso", fakeIsoBytes());
    place.add("mnt1/Zephanes/53a.jpg");
    place.addFolder("mnt2");
    images.folders[image] = place.file("mnt1");
    images.folders[empty] = place.file("mnt2");

    const MediaOpener::Opened o = opener.open(image);
    ASSERT_TRUE(o.ok()) << qPrintable(o.error);
    EXPECT_EQ(o.root, place.file("mnt1"));
    EXPECT_EQ(images.requests, QStringList{image});

    const MediaOpener::Opened blank = opener.open(empty);
    EXPECT_FALSE(blank.ok());
    EXPECT_TRUE(blank.error.contains("disc image")) << qPrintable(blank.error);
    EXPECT_TRUE(blank.error.contains(MediaOpener::lookedFor()));
    EXPECT_EQ(images.released, QStringList{empty}) << "an image without media is not kept mounted";

    const QString other = place.add("other.iso", fakeIsoBytes());
    images.failure = "Install the Debian package \"fuseiso\"";
    EXPECT_EQ(opener.open(other).error, images.failure);
}

TEST_F(Opener, RememberedPathIsReopenedAndAGoneOneIsSkipped)
{
    EXPECT_FALSE(opener.openRemembered());
    place.add("tree/zephanes/53A.JPG");
    opener.remember(place.file("tree"));
    EXPECT_EQ(settings.settings[MediaOpener::settingKey()], QDir::cleanPath(place.file("tree")));
    EXPECT_EQ(opener.openRemembered(), QDir::cleanPath(place.file("tree")));

    const QString image = place.add("disc.iso", fakeIsoBytes());
    opener.remember(image);
    EXPECT_FALSE(opener.openRemembered()) << "an image that does not mount is no media";
    ASSERT_TRUE(QFile::remove(image));
    images.requests.clear();
    EXPECT_FALSE(opener.openRemembered());
    EXPECT_TRUE(images.requests.isEmpty()) << "a path that is gone is passed over without trying";
}
