// The fuseiso mount for real: images built here with genisoimage, mounted, read, taken over and released.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "catalog/mediafiles.h"
#include "catalog/mediaopener.h"
#include "fakes/fakedesktop.h"
#include "fakes/fakedrives.h"
#include "platform/mountrecords.h"
#include "platform/qt/fuseisomount.h"
#include "platform/qt/linuxdiscimages.h"
#include "platform/qt/mounttable.h"
#include "support/discimagetools.h"
#include "support/mediatree.h"

namespace {

std::unique_ptr<LinuxDiscImages> fuseOnly(const QString& runtime)
{
    std::vector<std::unique_ptr<IImageMountMethod>> methods;
    methods.push_back(std::make_unique<FuseIsoMount>());
    return std::make_unique<LinuxDiscImages>(runtime, std::move(methods));
}

// The pid of a process that has ended.
qint64 deadPid()
{
    QProcess p;
    p.start(QStringLiteral("true"), {});
    p.waitForStarted();
    const qint64 pid = p.processId();
    p.waitForFinished();
    return pid;
}

struct FuseIso : ::testing::Test {
    MediaTree tree;
    QTemporaryDir work;
    QString runtime;

    void SetUp() override
    {
        const QString gone = discimagetools::missing({"fuseiso", "fusermount"});
        ASSERT_TRUE(gone.isEmpty()) << qPrintable(gone);
        if (!discimagetools::hasFuse()) {
            if (!discimagetools::fuseExpected())
                GTEST_SKIP() << "no /dev/fuse here, and ZEPHANE_TESTS_WITHOUT_FUSE=1 says so on purpose";
            FAIL() << "no /dev/fuse: disc images cannot be mounted with fuseiso on this machine "
                      "(set ZEPHANE_TESTS_WITHOUT_FUSE=1 only where that is known and accepted)";
        }
        runtime = work.filePath("run/zephane-folarium");
        tree.add("Zephanes/53A.JPG", "photo");
        tree.add("RichText/63Desc.rtf", "{\\rtf1 x}");
        tree.add("wav/PassBy.WAV", "RIFF");
    }
    QString image(const QString& name, const QStringList& nameOptions = {"-J", "-R"})
    {
        const QString path = work.filePath(name);
        const QString error = discimagetools::makeIso(tree.path(), path, nameOptions);
        EXPECT_TRUE(error.isEmpty()) << qPrintable(error);
        return path;
    }
    MountRecords records() const { return MountRecords(runtime + "/mounts"); }
};

} // namespace

TEST_F(FuseIso, ImagesWithJolietRockRidgeOrPlainNamesAreReadThroughTheCaseInsensitiveLookUp)
{
    FakeDrives drives;
    MediaFiles files(drives);
    const QList<QStringList> kinds = {{"-J", "-R"}, {"-J"}, {"-R"}, {}};
    for (const QStringList& names : kinds) {
        SCOPED_TRACE(qPrintable("names: " + names.join(' ')));
        const QString iso = image(QStringLiteral("disc%1.iso").arg(names.join("")), names);
        const auto images = fuseOnly(runtime);
        const IDiscImages::Mounted m = images->mount(iso);
        ASSERT_FALSE(m.folder.isEmpty()) << qPrintable(m.error);
        EXPECT_TRUE(m.folder.startsWith(runtime));
        EXPECT_TRUE(mounttable::isMountPoint(m.folder));
        for (const char* path : {"\\zephanes\\53a.jpg", "\\ZEPHANES\\53A.JPG", "\\richtext\\63desc.rtf",
                                 "\\RichText\\63DESC.RTF", "\\wav\\passby.wav"})
            EXPECT_TRUE(files.exists(m.folder + QString::fromLatin1(path))) << path;
        QFile photo(*files.resolve(m.folder + "\\zephanes\\53a.jpg"));
        ASSERT_TRUE(photo.open(QIODevice::ReadOnly));
        EXPECT_EQ(photo.readAll(), "photo");
        photo.close();
        QFile written(m.folder + "/new.txt");
        EXPECT_FALSE(written.open(QIODevice::WriteOnly)) << "the image is mounted read-only";

        EXPECT_EQ(images->mount(iso).folder, m.folder) << "asked again, the same mount";
        if (names.isEmpty()) {
            // The file system went away under the program (fuseiso ended): asked again, it is mounted afresh.
            ASSERT_EQ(QProcess::execute("fusermount", {"-u", m.folder}), 0);
            const QString again = images->mount(iso).folder;
            EXPECT_TRUE(mounttable::isMountPoint(again)) << qPrintable(again);
            EXPECT_EQ(records().all().size(), 1);
            images->release(iso);
            EXPECT_TRUE(records().all().isEmpty());
            continue;
        }
        ASSERT_EQ(records().all().size(), 1);
        EXPECT_EQ(records().all().first().pid, QCoreApplication::applicationPid());
        EXPECT_EQ(records().all().first().method, "fuseiso");

        images->releaseAll();
        EXPECT_FALSE(mounttable::isMountPoint(m.folder));
        EXPECT_FALSE(QFileInfo::exists(m.folder)) << "the mount folder goes with the mount";
        EXPECT_TRUE(records().all().isEmpty());
        files.clearCache();
    }
}

TEST_F(FuseIso, MountsOfADeadRunAreTakenOverWhenAskedForAgainAndReleasedOtherwise)
{
    const QString mine = image("mine.iso");
    const QString other = image("other.iso");
    const QString alive = image("alive.iso");
    // What a run killed with -9 leaves: live fuseiso mounts and their records, its own pid dead.
    QList<MountRecord> left;
    for (const auto& [iso, pid] : {std::pair{mine, deadPid()}, {other, deadPid()}, {alive, qint64(1)}}) {
        const QString folder = runtime + "/left-" + QFileInfo(iso).baseName();
        QDir().mkpath(folder);
        ASSERT_EQ(QProcess::execute("fuseiso", {"-n", iso, folder}), 0);
        MountRecord r{QFileInfo(iso).canonicalFilePath(), folder, "fuseiso", {}, pid, {}};
        ASSERT_TRUE(records().save(r));
        left << r;
    }
    {
        const auto images = fuseOnly(runtime);
        const IDiscImages::Mounted m = images->mount(mine);
        EXPECT_EQ(m.folder, left[0].folder) << "the dead run's mount of the same image is reused";
        EXPECT_EQ(images->releaseLeftovers(), 1);
        EXPECT_FALSE(mounttable::isMountPoint(left[1].folder)) << "another image of the dead run is released";
        EXPECT_TRUE(mounttable::isMountPoint(left[2].folder)) << "a live run's mount is never touched";
        EXPECT_TRUE(mounttable::isMountPoint(left[0].folder));
        QStringList owners;
        for (const MountRecord& r : records().all())
            owners << QStringLiteral("%1:%2").arg(QFileInfo(r.image).fileName()).arg(r.pid);
        owners.sort();
        EXPECT_EQ(owners,
                  (QStringList{"alive.iso:1",
                               QStringLiteral("mine.iso:%1").arg(QCoreApplication::applicationPid())}));
    } // this run ends: what it took over goes with it
    EXPECT_FALSE(mounttable::isMountPoint(left[0].folder));
    ASSERT_EQ(records().all().size(), 1);
    QProcess::execute("fusermount", {"-u", left[2].folder});
}

TEST_F(FuseIso, ABrokenImageGivesAClearErrorAndLeavesNoMountBehind)
{
    const QString good = image("good.iso");
    QFile in(good);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray head = in.read(17 * 2048 + 100); // the volume descriptor, then nothing
    const QString broken = work.filePath("broken.iso");
    QFile out(broken);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(head);
    out.close();

    FakeDrives drives;
    MediaFiles files(drives);
    FakeDesktop settings;
    const auto images = fuseOnly(runtime);
    MediaOpener opener(*images, settings, files);
    const MediaOpener::Opened o = opener.open(broken);
    EXPECT_FALSE(o.ok());
    EXPECT_TRUE(o.error.contains(broken)) << qPrintable(o.error);
    EXPECT_TRUE(records().all().isEmpty()) << "nothing stays mounted for an image without media";
    QDir mounts(runtime);
    EXPECT_TRUE(mounts.entryList({"disc-*"}, QDir::Dirs).isEmpty());
}

TEST_F(FuseIso, WithoutAnyMethodTheMessageNamesThePackageToInstall)
{
    LinuxDiscImages none(runtime, {});
    const IDiscImages::Mounted m = none.mount(image("disc.iso"));
    EXPECT_TRUE(m.folder.isEmpty());
    EXPECT_TRUE(m.error.contains("fuseiso")) << qPrintable(m.error);
    EXPECT_TRUE(m.error.contains("Install")) << qPrintable(m.error);
}
