#include "platform/qt/linuxprocesses.h"

#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QEventLoop>
#include <QLockFile>
#include <QProcess>

#include "platform/runtimefolder.h"

LinuxProcesses::LinuxProcesses(QString lockName) : m_lockName(std::move(lockName)) {}

LinuxProcesses::~LinuxProcesses() = default;

bool LinuxProcesses::anotherInstanceRunning()
{
    if (m_lock)
        return false;
    auto lock = std::make_unique<QLockFile>(runtimeFolder() + QLatin1Char('/') + m_lockName);
    lock->setStaleLockTime(0); // a crashed copy leaves a stale lock; QLockFile checks the process instead
    if (!lock->tryLock(0))
        return lock->error() == QLockFile::LockFailedError;
    m_lock = std::move(lock);
    return false;
}

void LinuxProcesses::endProgramNow(int exitCode)
{
    // The user asked to end: no exit question and no clean-up, but let the lock and the mounted disc images
    // go, so that a new copy may start and no mount is left behind.
    if (m_atEnd)
        m_atEnd();
    if (m_lock)
        m_lock->unlock();
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

int LinuxProcesses::runAndWait(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return -1;
    // Keep the windows painted while the other program runs.
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}
