// Copies, installation and removals on real file systems that fail for real: a small tmpfs that fills up, a
// read-only mount, folders an unprivileged user may not write or read. Each case runs in a child process
// (tests/support/isolatedrun.h); the DISABLED_ tests are the children's halves.
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "catalog/errorcodes.h"
#include "output/copytexts.h"
#include "output/saverinstaller.h"
#include "output/saverphotolist.h"
#include "outputfixture.h"
#include "platform/qt/linuxfilesystem.h"
#include "support/isolatedrun.h"

namespace {

constexpr int kPhotos = 10;
constexpr int kPhotoBytes = 40000; // ten of them do not fit into 256 KB

// The copy controller over the real adapter, with a disc of kPhotos photos on the ordinary disk and the
// program folder inside the child's folder.
struct RealCopy : OutputFixture {
    QString root = IsolatedRun::folder();
    LinuxFileSystem real{root + QStringLiteral("/saver")};
    MediaCopy realCopy{session, real, messages};

    RealCopy()
    {
        for (int i = 0; i < kPhotos; ++i)
            disc.add(QStringLiteral("zephanes/5%1A.JPG").arg(i), bytes(kPhotoBytes, char('a' + i)));
        disc.addFolder(QStringLiteral("clipart"));
        session.roots.programFolder = root + QStringLiteral("/program");
        QDir().mkpath(session.roots.programFolder);
        realCopy.setView(&panel);
    }
    QString target() const { return session.roots.programFolder + QStringLiteral("/zephanes"); }
    // Every file in the target is a whole copy of its source, and nothing else is there.
    void expectOnlyWholeCopies(int* count)
    {
        *count = 0;
        for (const QString& name : filesIn(target())) {
            QFile copied(target() + QLatin1Char('/') + name),
                original(disc.file(QStringLiteral("zephanes/") + name));
            ASSERT_TRUE(copied.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly))
                << name.toStdString();
            EXPECT_EQ(copied.readAll(), original.readAll()) << name.toStdString();
            ++*count;
        }
    }
};

QString tempFolderFor(uid_t uid, QTemporaryDir& dir)
{
    ::chown(QFile::encodeName(dir.path()).constData(), uid, gid_t(-1));
    return dir.path();
}

} // namespace

// --- a full disk
// ---------------------------------------------------------------------------------------------

TEST(RealDiskRuns, AFullTmpfsStopsTheCopyOnceAndKeepsOnlyWholeFiles)
{
    QTemporaryDir dir;
    const IsolatedRun r =
        IsolatedRun::inTmpfs(QStringLiteral("RealCopy.DISABLED_FullTmpfs"), dir.path(), 256);
    EXPECT_TRUE(r.passed()) << r.output.constData();
}

TEST_F(RealCopy, DISABLED_FullTmpfs)
{
    ASSERT_FALSE(root.isEmpty());
    // The disk fills while the copy runs (the free-space check before it passed long ago).
    realCopy.copy();
    ASSERT_EQ(messages.shown.size(), 1u) << texts().join(QStringLiteral(" | ")).toStdString();
    int whole = 0;
    expectOnlyWholeCopies(&whole);
    EXPECT_GT(whole, 0);
    EXPECT_LT(whole, kPhotos);
    EXPECT_EQ(messages.last().text,
              copytexts::copyStopped(true, FileFailure::NoSpace, QString::fromLocal8Bit(strerror(ENOSPC)),
                                     whole, kPhotos, target()));
    EXPECT_EQ(realCopy.state(), CopyState::Incomplete);
    EXPECT_EQ(session.roots.photoRoot, disc.path());
    EXPECT_FALSE(shown(copytexts::kPhotosCopied));
}

TEST(RealDiskRuns, AFullTmpfsLeavesTheSettingsFileAsItWas)
{
    QTemporaryDir dir;
    const IsolatedRun r =
        IsolatedRun::inTmpfs(QStringLiteral("RealCopy.DISABLED_FullSettings"), dir.path(), 64);
    EXPECT_TRUE(r.passed()) << r.output.constData();
}

TEST_F(RealCopy, DISABLED_FullSettings)
{
    ASSERT_FALSE(root.isEmpty());
    const QString saver = real.saverFolder();
    const QByteArray old =
        "[Zephane2000]\r\nZephPath=/old\\\r\nInterval=5\r\n; " + QByteArray(3000, 'k') + "\r\n";
    QFile ini(saver + QStringLiteral("/Zephane2000.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(old);
    ini.close();
    QFile filler(root + QStringLiteral("/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();
    QDir().mkpath(session.roots.programFolder + QStringLiteral("/sszephs"));

    SaverInstaller installer(session, real, messages, realCopy);
    installer.open();
    EXPECT_FALSE(installer.install(true));
    EXPECT_EQ(session.errors.code, errc::kSaverProgram);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), old);
    EXPECT_EQ(filesIn(saver), QStringList{"Zephane2000.ini"});
}

// --- a read-only file system
// ----------------------------------------------------------------------------------

TEST(RealDiskRuns, AReadOnlyMountStopsTheCopyWithOneMessage)
{
    QTemporaryDir dir;
    const IsolatedRun r = IsolatedRun::inTmpfs(QStringLiteral("RealCopy.DISABLED_ReadOnly"), dir.path(), 4096,
                                               QStringLiteral("program/zephanes"));
    EXPECT_TRUE(r.passed()) << r.output.constData();
}

TEST_F(RealCopy, DISABLED_ReadOnly)
{
    ASSERT_FALSE(root.isEmpty());
    messages.answer({MessageAnswer::Ok}); // copy again into the existing folder
    realCopy.copy();
    ASSERT_EQ(messages.shown.size(), 2u) << texts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(messages.last().text,
              copytexts::copyStopped(true, FileFailure::ReadOnly, QString::fromLocal8Bit(strerror(EROFS)), 0,
                                     kPhotos, target()));
    EXPECT_EQ(session.roots.photoRoot, disc.path());

    // A folder that cannot be made there: said once, nothing copied.
    disc.add(QStringLiteral("movies/INTRO.AVI"));
    realCopy.checkFreeSpace(CopyKind::Movies); // refused for the small disk; the kind is chosen all the same
    messages.shown.clear();
    const QString movies = root + QStringLiteral("/program/zephanes/movies");
    session.roots.programFolder = root + QStringLiteral("/program/zephanes");
    realCopy.copy();
    ASSERT_EQ(messages.shown.size(), 1u) << texts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(messages.last().text,
              copytexts::folderNotMade(movies, QString::fromLocal8Bit(strerror(EROFS))));
}

// --- folders an unprivileged user may not write or read
// ------------------------------------------------------

TEST(RealDiskRuns, ALockedFolderStopsTheCopyAndAnUnreadableOneIsNoRemoval)
{
    QTemporaryDir dir;
    const IsolatedRun r =
        IsolatedRun::unprivileged(QStringLiteral("RealCopy.DISABLED_Locked"), tempFolderFor(65534, dir));
    EXPECT_TRUE(r.passed()) << r.output.constData();
}

TEST_F(RealCopy, DISABLED_Locked)
{
    ASSERT_FALSE(root.isEmpty());
    ASSERT_TRUE(QDir().mkpath(target()));
    ASSERT_EQ(::chmod(QFile::encodeName(target()).constData(), 0555), 0);
    messages.answer({MessageAnswer::Ok}); // copy again into the existing folder
    realCopy.copy();
    ASSERT_EQ(messages.shown.size(), 2u) << texts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(messages.last().text,
              copytexts::copyStopped(true, FileFailure::Denied, QString::fromLocal8Bit(strerror(EACCES)), 0,
                                     kPhotos, target()));
    EXPECT_TRUE(filesIn(target()).isEmpty());

    // A copy whose folder cannot be read: the removal says so and removes nothing.
    ASSERT_EQ(::chmod(QFile::encodeName(target()).constData(), 0755), 0);
    const QString photo = target() + QStringLiteral("/53A.JPG");
    QFile(photo).open(QIODevice::WriteOnly);
    ASSERT_EQ(::chmod(QFile::encodeName(target()).constData(), 0), 0);
    messages.shown.clear();
    messages.answer({MessageAnswer::Yes});
    realCopy.removePhotos();
    EXPECT_EQ(messages.last().text,
              copytexts::removalFailed(true, target(), QString::fromLocal8Bit(strerror(EACCES))));
    ::chmod(QFile::encodeName(target()).constData(), 0755);
    EXPECT_TRUE(QFileInfo::exists(photo));

    // The same for the screen saver's photo list.
    const QString list = session.roots.programFolder + QStringLiteral("/sszephs");
    ASSERT_TRUE(QDir().mkpath(list));
    QFile(list + QStringLiteral("/53A.JPG")).open(QIODevice::WriteOnly);
    ASSERT_EQ(::chmod(QFile::encodeName(list).constData(), 0), 0);
    SaverPhotoList photoList(session, real, messages);
    messages.answer({MessageAnswer::Yes});
    photoList.removeAll();
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("cannot be read")));
    EXPECT_FALSE(messages.last().text.contains(QStringLiteral("Successfully")));
    ::chmod(QFile::encodeName(list).constData(), 0755);
    EXPECT_TRUE(QFileInfo::exists(list + QStringLiteral("/53A.JPG")));
}
