#pragma once

#include "platform/desktop.h"

// The desktop through Qt: QSettings (an INI file of its own) for the program's settings, QStandardPaths for
// the PATH, QProcess for detached starts and QDesktopServices (xdg-open and friends) for a file's handler.
class QtDesktop final : public IDesktop {
public:
    // How long the desktop may take to say whether it has a handler for a file's type.
    explicit QtDesktop(int handlerQueryTimeoutMs = 3000) : m_handlerQueryTimeoutMs(handlerQueryTimeoutMs) {}

    QString setting(const QString& key) const override;
    bool setSetting(const QString& key, const QString& value) override;
    QString environment(const QString& name) const override;
    QString findOnPath(const QString& program) const override;
    bool isExecutable(const QString& path) const override;
    bool startDetached(const QString& program, const QStringList& arguments) override;
    void openWithHandler(const QString& realPath, std::function<void(bool opened)> done) override;

private:
    int m_handlerQueryTimeoutMs;
};
