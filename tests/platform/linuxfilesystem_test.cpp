// The real file-system adapter on real folders: planted links, planted temporary names, links as targets,
// kept permissions and owners, leftovers of an interrupted write.
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include "platform/qt/linuxfilesystem.h"
#include "platform/qt/safefilewrite.h"
#include "support/mediatree.h"

namespace {

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Writes bytes to target through the adapter; the failure's text, or empty.
QString write(LinuxFileSystem& fs, const QString& target, const QByteArray& bytes, bool executable = false)
{
    FileError error;
    auto file = fs.open(target, IFileSystem::Mode::Write, &error);
    if (!file)
        return error.text.isEmpty() ? QStringLiteral("failed without a reason") : error.text;
    if (executable)
        file->markExecutable();
    if (!file->write(bytes.constData(), bytes.size()) || !file->commit())
        return file->errorString();
    return {};
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

mode_t modeOf(const QString& path)
{
    struct stat st {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

struct RealDisk : ::testing::Test {
    MediaTree folder, outside;
    LinuxFileSystem fs{folder.path()};
};

} // namespace

TEST_F(RealDisk, APlantedLinkAtTheOldTemporaryNameIsNeverWrittenThrough)
{
    const QString secret = outside.add(QStringLiteral("secret"), "untouched");
    ASSERT_TRUE(QFile::link(secret, folder.file(QStringLiteral(".53A.JPG.part"))));
    ASSERT_EQ(write(fs, folder.file(QStringLiteral("53A.JPG")), "photo"), QString());
    EXPECT_EQ(contents(secret), "untouched");
    EXPECT_FALSE(QFileInfo(folder.file(QStringLiteral("53A.JPG"))).isSymLink());
    EXPECT_EQ(contents(folder.file(QStringLiteral("53A.JPG"))), "photo");

    // The next copy clears the planted name away without following it.
    EXPECT_EQ(fs.removeLeftovers(folder.path()), 1);
    EXPECT_EQ(contents(secret), "untouched");
    EXPECT_EQ(entries(folder.path()), QStringList{"53A.JPG"});
}

TEST_F(RealDisk, PlantedNamesLikeTheTemporaryOnesAreNeitherFollowedNorReused)
{
    // Links under many names of the temporary pattern: whichever name a write picks, it is new and its own.
    const QString secret = outside.add(QStringLiteral("secret"), "untouched");
    for (int i = 0; i < 50; ++i)
        QFile::link(secret,
                    folder.file(QStringLiteral(".x.JPG.%1.zephane-tmp").arg(i, 6, 10, QLatin1Char('0'))));
    for (int i = 0; i < 20; ++i)
        ASSERT_EQ(write(fs, folder.file(QStringLiteral("x.JPG")), QByteArray::number(i)), QString());
    EXPECT_EQ(contents(secret), "untouched");
    EXPECT_EQ(contents(folder.file(QStringLiteral("x.JPG"))), "19");
    EXPECT_EQ(fs.removeLeftovers(folder.path()), 50);
    EXPECT_EQ(entries(folder.path()), QStringList{"x.JPG"});
    EXPECT_EQ(contents(secret), "untouched");
}

TEST_F(RealDisk, ATargetThatIsALinkIsWrittenWhereItLeadsAndStaysALinkWithItsModeAndOwner)
{
    const QString dotfile = outside.add(QStringLiteral("dotfiles/Zephane2000.ini"), "[old]\n");
    ASSERT_EQ(::chmod(QFile::encodeName(dotfile).constData(), 0600), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(QFile::encodeName(dotfile).constData(), 65534, 65534), 0);
    }
    // A chain: a relative link to an absolute one.
    ASSERT_TRUE(QFile::link(dotfile, folder.file(QStringLiteral("middle.ini"))));
    ASSERT_EQ(::symlink("middle.ini",
                        QFile::encodeName(folder.file(QStringLiteral("Zephane2000.ini"))).constData()),
              0);

    ASSERT_EQ(write(fs, folder.file(QStringLiteral("Zephane2000.ini")), "[new]\n"), QString());
    EXPECT_TRUE(QFileInfo(folder.file(QStringLiteral("Zephane2000.ini"))).isSymLink());
    EXPECT_TRUE(QFileInfo(folder.file(QStringLiteral("middle.ini"))).isSymLink());
    EXPECT_EQ(contents(dotfile), "[new]\n");
    EXPECT_EQ(modeOf(dotfile), mode_t(0600));
    if (root) {
        EXPECT_EQ(QFileInfo(dotfile).ownerId(), 65534u);
        EXPECT_EQ(QFileInfo(dotfile).groupId(), 65534u);
    }
    EXPECT_EQ(entries(outside.file(QStringLiteral("dotfiles"))), QStringList{"Zephane2000.ini"});
    EXPECT_EQ(entries(folder.path()), (QStringList{"Zephane2000.ini", "middle.ini"}));
}

TEST_F(RealDisk, ADanglingLinkGetsItsFileAndALoopOfLinksIsAFailure)
{
    ASSERT_TRUE(QFile::link(outside.file(QStringLiteral("new.ini")), folder.file(QStringLiteral("a.ini"))));
    ASSERT_EQ(write(fs, folder.file(QStringLiteral("a.ini")), "x"), QString());
    EXPECT_EQ(contents(outside.file(QStringLiteral("new.ini"))), "x");
    EXPECT_TRUE(QFileInfo(folder.file(QStringLiteral("a.ini"))).isSymLink());

    ASSERT_EQ(::symlink("loop2", QFile::encodeName(folder.file(QStringLiteral("loop1"))).constData()), 0);
    ASSERT_EQ(::symlink("loop1", QFile::encodeName(folder.file(QStringLiteral("loop2"))).constData()), 0);
    EXPECT_EQ(write(fs, folder.file(QStringLiteral("loop1")), "x"), QString::fromLocal8Bit(strerror(ELOOP)));
}

TEST_F(RealDisk, AFolderOrAPipeInPlaceOfTheTargetIsRefusedWithoutWaiting)
{
    folder.addFolder(QStringLiteral("dir.JPG"));
    EXPECT_FALSE(write(fs, folder.file(QStringLiteral("dir.JPG")), "x").isEmpty());
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.file(QStringLiteral("pipe.JPG"))).constData(), 0600), 0);
    EXPECT_EQ(write(fs, folder.file(QStringLiteral("pipe.JPG")), "x"), QStringLiteral("Not a regular file"));
    EXPECT_EQ(entries(folder.path()), (QStringList{"dir.JPG", "pipe.JPG"}));
}

TEST_F(RealDisk, NewFilesTakeTheUmaskAndAProgramGetsItsExecuteBits)
{
    const mode_t old = ::umask(022);
    EXPECT_EQ(write(fs, folder.file(QStringLiteral("new")), "x"), QString());
    EXPECT_EQ(write(fs, folder.file(QStringLiteral("Zephane2000.scr")), "#!/bin/sh\n", true), QString());
    ::umask(old);
    EXPECT_EQ(modeOf(folder.file(QStringLiteral("new"))), mode_t(0644));
    EXPECT_EQ(modeOf(folder.file(QStringLiteral("Zephane2000.scr"))), mode_t(0755));
}

TEST_F(RealDisk, AnAbandonedWriteLeavesTheOldFileAndNoTemporaryFile)
{
    const QString target = folder.add(QStringLiteral("53A.JPG"), "old");
    {
        FileError error;
        auto file = fs.open(target, IFileSystem::Mode::BatchWrite, &error);
        ASSERT_TRUE(file);
        ASSERT_TRUE(file->write("new, half", 9));
        EXPECT_EQ(entries(folder.path()).size(), 2); // the old file and the temporary one
    }
    EXPECT_EQ(contents(target), "old");
    EXPECT_EQ(entries(folder.path()), QStringList{"53A.JPG"});
}

TEST_F(RealDisk, TheKernelCopyMovesWholeBlocksAndStopsShortAtTheSourcesRealEnd)
{
    QByteArray bytes(3 * 25000 + 1, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 31 + i / 251);
    const QString source = outside.add(QStringLiteral("source.jpg"), bytes);
    FileError error;
    auto in = fs.open(source, IFileSystem::Mode::Read, &error);
    ASSERT_TRUE(in);
    ASSERT_GE(in->descriptor(), 0);
    auto out = fs.open(folder.file(QStringLiteral("copy.jpg")), IFileSystem::Mode::BatchWrite, &error);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->copyFrom(*in, 25000), 25000);
    EXPECT_EQ(out->copyFrom(*in, 25000), 25000);
    // The source loses its end while it is copied: the copy gets what is there and says how much.
    ASSERT_EQ(::truncate(QFile::encodeName(source).constData(), 60000), 0);
    EXPECT_EQ(out->copyFrom(*in, 25001), 10000);
    EXPECT_EQ(out->size(), 60000);
    ASSERT_TRUE(out->commit());
    EXPECT_EQ(contents(folder.file(QStringLiteral("copy.jpg"))), bytes.left(60000));

    // A pipe or a folder under a photo's name is refused at once, never waited on.
    const QString pipe = outside.file(QStringLiteral("pipe.jpg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(fs.open(pipe, IFileSystem::Mode::Read, &error));
    EXPECT_EQ(error.text, QStringLiteral("Not a regular file"));
    EXPECT_FALSE(fs.open(outside.path(), IFileSystem::Mode::Read, &error));
    EXPECT_FALSE(error.text.isEmpty());

    // A source without a descriptor (not a file of this adapter) is left to reading and writing.
    struct Memory final : IOpenFile {
        qint64 size() const override { return 1; }
        qint64 read(char* data, qint64) override { return *data = 'x', 1; }
        bool write(const char*, qint64) override { return false; }
        bool commit() override { return false; }
        FileError error() const override { return {}; }
    } memory;
    auto other = fs.open(folder.file(QStringLiteral("other.jpg")), IFileSystem::Mode::BatchWrite, &error);
    ASSERT_TRUE(other);
    EXPECT_EQ(other->copyFrom(memory, 1), 0);
    EXPECT_EQ(other->size(), 0);
}

TEST_F(RealDisk, ALinkPlantedAtTheTargetWhileTheFileIsWrittenIsReplacedNotFollowed)
{
    const QString secret = outside.add(QStringLiteral("secret"), "untouched");
    const QString target = folder.file(QStringLiteral("53A.JPG"));
    FileError error;

    auto file = fs.open(target, IFileSystem::Mode::Write, &error);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->write("photo", 5));
    ASSERT_TRUE(QFile::link(secret, target)); // planted while the copy ran
    ASSERT_TRUE(file->commit());
    EXPECT_EQ(contents(secret), "untouched");
    EXPECT_FALSE(QFileInfo(target).isSymLink());
    EXPECT_EQ(contents(target), "photo");
    EXPECT_EQ(entries(folder.path()), QStringList{"53A.JPG"});
}

TEST_F(RealDisk, LeftoversAreOnlyTheTemporaryNamesAndNeverFolders)
{
    folder.add(QStringLiteral(".53A.JPG.aB3dE9.zephane-tmp"));
    folder.add(QStringLiteral(".old.part"));
    folder.add(QStringLiteral("53A.JPG"));
    folder.add(QStringLiteral("notes.part"));
    folder.add(QStringLiteral(".hidden"));
    folder.addFolder(QStringLiteral(".dir.part"));
    EXPECT_EQ(fs.removeLeftovers(folder.path()), 2);
    EXPECT_EQ(entries(folder.path()), (QStringList{".dir.part", ".hidden", "53A.JPG", "notes.part"}));
    EXPECT_TRUE(SafeFileWrite::isTemporaryName(QStringLiteral(".a b.c.Zz09aa.zephane-tmp")));
    EXPECT_FALSE(SafeFileWrite::isTemporaryName(QStringLiteral("a.Zz09aa.zephane-tmp")));
}

TEST_F(RealDisk, ListingsAndRemovalsGiveTheSystemsReason)
{
    QString why;
    EXPECT_FALSE(fs.list(folder.file(QStringLiteral("none")), QStringLiteral("*"), &why));
    EXPECT_EQ(why, QString::fromLocal8Bit(strerror(ENOENT)));
    const QString file = folder.add(QStringLiteral("53a.jpg"));
    EXPECT_FALSE(fs.list(file, QStringLiteral("*"), &why));
    EXPECT_EQ(why, QString::fromLocal8Bit(strerror(ENOTDIR)));

    folder.addFolder(QStringLiteral("sub"));
    QFile::link(outside.path(), folder.file(QStringLiteral("linked")));
    ASSERT_TRUE(fs.list(folder.path(), QStringLiteral("*.JPG"), &why));
    EXPECT_EQ(*fs.list(folder.path(), QStringLiteral("*"), &why), QStringList{"53a.jpg"}); // no folders

    folder.add(QStringLiteral("sub/inside"));
    EXPECT_FALSE(fs.remove(folder.file(QStringLiteral("sub")), &why));
    EXPECT_EQ(why, QString::fromLocal8Bit(strerror(ENOTEMPTY)));
    EXPECT_TRUE(fs.remove(folder.file(QStringLiteral("linked")), &why)); // the link, not where it leads
    EXPECT_TRUE(QFileInfo::exists(outside.path()));
    EXPECT_TRUE(fs.remove(folder.file(QStringLiteral("gone")), &why));
}

TEST_F(RealDisk, FoldersAreMadeWithTheirParentsAndASyncReachesTheDisk)
{
    QString why;
    EXPECT_EQ(fs.makeFolder(folder.file(QStringLiteral("a/b/c")), &why), IFileSystem::FolderResult::Created);
    EXPECT_EQ(fs.makeFolder(folder.file(QStringLiteral("a/b/c")), &why), IFileSystem::FolderResult::Exists);
    const QString file = folder.add(QStringLiteral("f"));
    EXPECT_EQ(fs.makeFolder(file + QStringLiteral("/x"), &why), IFileSystem::FolderResult::Failed);
    EXPECT_EQ(why, QString::fromLocal8Bit(strerror(ENOTDIR)));

    FileError error;
    EXPECT_TRUE(fs.syncFolder(folder.path(), &error));
    EXPECT_FALSE(fs.syncFolder(folder.file(QStringLiteral("none")), &error));
    EXPECT_EQ(error.text, QString::fromLocal8Bit(strerror(ENOENT)));
}
