#pragma once

#include <unistd.h>

#include <QDir>
#include <QFile>

// What every test executable sets before Qt starts: a headless platform, a private runtime folder and cache,
// whatever the environment says (test discovery may run the binary without the test environment).
inline void prepareTestEnvironment()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        const QByteArray dir =
            QDir::tempPath().toUtf8() + "/zephane-test-runtime-" + QByteArray::number(getuid());
        QDir().mkpath(QString::fromUtf8(dir));
        QFile::setPermissions(QString::fromUtf8(dir), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", dir);
    }
    // The search index cache of the program under test never lands in the user's own cache folder.
    const QByteArray cache =
        QDir::tempPath().toUtf8() + "/zephane-test-cache-" + QByteArray::number(getuid());
    QDir().mkpath(QString::fromUtf8(cache));
    qputenv("XDG_CACHE_HOME", cache);
    qputenv("QT_LOGGING_RULES", "qt.multimedia*=false");
}
