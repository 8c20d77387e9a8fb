#pragma once

#include <QString>
#include <QStringList>

// The running program and the programs it starts.
class IProcesses {
public:
    virtual ~IProcesses() = default;
    // True when another copy of the program is already running (and this one must not).
    virtual bool anotherInstanceRunning() = 0;
    // Ends the program at once: no exit question, no clean-up. A fake records the request and returns.
    virtual void endProgramNow(int exitCode) = 0;
    // Starts a program and waits for it; returns its exit code, or -1 when it could not be started.
    virtual int runAndWait(const QString& program, const QStringList& arguments) = 0;
};
