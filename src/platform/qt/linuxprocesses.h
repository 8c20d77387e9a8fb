#pragma once

#include <functional>
#include <memory>

#include <QString>

#include "platform/processes.h"

class QLockFile;

// One running copy per user (a lock file in the runtime folder), programs run with QProcess, and an
// immediate end that runs no clean-up.
class LinuxProcesses final : public IProcesses {
public:
    explicit LinuxProcesses(QString lockName = QStringLiteral("zephane-folarium.lock"));
    ~LinuxProcesses() override;

    bool anotherInstanceRunning() override;
    void endProgramNow(int exitCode) override;
    // What must not outlive the program even when it ends at once (disc images it mounted).
    void setAtEnd(std::function<void()> release) { m_atEnd = std::move(release); }
    int runAndWait(const QString& program, const QStringList& arguments) override;

private:
    QString m_lockName;
    std::unique_ptr<QLockFile> m_lock;
    std::function<void()> m_atEnd;
};
