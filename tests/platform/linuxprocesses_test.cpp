// One running copy per user: a live copy's lock holds, a crashed copy's lock is taken over.
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>

#include <gtest/gtest.h>

#include "platform/qt/linuxprocesses.h"

namespace {

class LockTest : public ::testing::Test {
protected:
    QString path() const
    {
        return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QLatin1Char('/') + name;
    }
    void TearDown() override { QFile::remove(path()); }

    const QString name =
        QStringLiteral("zephane-test-%1.lock").arg(QUuid::createUuid().toString(QUuid::Id128));
};

// The process id of a child that has already ended, so no process of that id is running.
qint64 endedProcessId()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    int status = 0;
    waitpid(child, &status, 0);
    return child;
}

} // namespace

TEST_F(LockTest, TheFirstCopyTakesTheLockAndASecondIsTurnedAway)
{
    ASSERT_FALSE(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation).isEmpty());
    LinuxProcesses first(name);
    EXPECT_FALSE(first.anotherInstanceRunning());
    EXPECT_TRUE(QFile::exists(path()));
    EXPECT_FALSE(first.anotherInstanceRunning()) << "asking again keeps the lock it holds";
    LinuxProcesses second(name);
    EXPECT_TRUE(second.anotherInstanceRunning());
}

TEST_F(LockTest, TheLockOfACopyThatDiedIsTakenOver)
{
    // A lock file exactly as a copy writes it, but naming a process that no longer runs.
    QByteArray written;
    {
        QLockFile probe(path());
        ASSERT_TRUE(probe.tryLock(0));
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        written = f.readAll();
        probe.unlock();
    }
    const qsizetype eol = written.indexOf('\n');
    ASSERT_GT(eol, 0);
    const QByteArray stale = QByteArray::number(endedProcessId()) + written.mid(eol);
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(stale);
    }

    LinuxProcesses next(name);
    EXPECT_FALSE(next.anotherInstanceRunning());
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'))
        << "the new copy holds the lock now";
    LinuxProcesses another(name);
    EXPECT_TRUE(another.anotherInstanceRunning());
}
