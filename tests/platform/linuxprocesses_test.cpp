// The process adapter for real: one running copy per user (a live copy's lock holds, a crashed copy's lock
// is taken over), and real programs started and waited for.
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
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

// Running a real program and waiting for it, as the video-software help does.
namespace {

int runAndWait(const QString& program, const QStringList& arguments)
{
    LinuxProcesses processes(QStringLiteral("zephane-test-run.lock"));
    return processes.runAndWait(program, arguments);
}

} // namespace

TEST(RunAndWait, ARealProgramRunsWithItsArgumentsAndGivesItsExitCode)
{
    EXPECT_EQ(runAndWait(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exit 0")}), 0);
    EXPECT_EQ(runAndWait(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exit 3")}), 3);
    // found on the PATH; an argument with blanks arrives as one argument
    EXPECT_EQ(runAndWait(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("[ \"$1\" = 'a b' ]"),
                                                QStringLiteral("sh"), QStringLiteral("a b")}),
              0);
}

TEST(RunAndWait, AProgramThatDoesNotExistOrCannotRunGivesMinusOneAtOnce)
{
    QTemporaryDir dir;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(runAndWait(dir.filePath(QStringLiteral("no-such-installer")), {}), -1);
    EXPECT_EQ(runAndWait(QStringLiteral("no-such-program-zf2000"), {}), -1);
    QFile text(dir.filePath(QStringLiteral("iv5play.exe")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("MZ not for this system");
    text.close();
    EXPECT_EQ(runAndWait(text.fileName(), {}), -1) << "a file that is not executable";
    EXPECT_EQ(runAndWait(dir.path(), {}), -1) << "a folder";
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST(RunAndWait, AProgramThatCrashesIsNotReportedAsRun)
{
    EXPECT_EQ(runAndWait(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("kill -9 $$")}),
              -1);
}

TEST(RunAndWait, TheInterfaceKeepsWorkingWhileTheProgramRuns)
{
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(20);
    EXPECT_EQ(runAndWait(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("sleep 0.5")}), 0);
    timer.stop();
    EXPECT_GE(ticks, 5) << "events were not processed while waiting";
}

TEST(RunAndWait, MuchOutputFromTheProgramDoesNotStallIt)
{
    // an installer that talks a lot: its output must not fill a pipe nobody reads
    EXPECT_EQ(runAndWait(QStringLiteral("/bin/sh"),
                         {QStringLiteral("-c"), QStringLiteral("head -c 4000000 /dev/zero; exit 7")}),
              7);
}
