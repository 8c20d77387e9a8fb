#pragma once

#include <functional>

#include <QString>
#include <QStringList>

// What the desktop offers beside running and waiting: the program's own settings, the environment, finding
// programs, starting one without waiting and opening a file with the handler the desktop has for it.
class IDesktop {
public:
    virtual ~IDesktop() = default;
    // A value of the program's own settings; empty when it is not set.
    virtual QString setting(const QString& key) const = 0;
    // Keeps a value in the program's own settings; false when it could not be written.
    virtual bool setSetting(const QString& key, const QString& value) = 0;
    // A variable of the environment; empty when it is not set.
    virtual QString environment(const QString& name) const = 0;
    // The full path of a program found on the PATH, or empty.
    virtual QString findOnPath(const QString& program) const = 0;
    virtual bool isExecutable(const QString& path) const = 0;
    // Starts a program and returns at once; false when it could not be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
    // Opens a file with the desktop's handler for its kind and returns at once; `done` is told later, on
    // the interface thread and exactly once, whether a handler took it (false when none could open it).
    virtual void openWithHandler(const QString& realPath, std::function<void(bool opened)> done) = 0;
};
