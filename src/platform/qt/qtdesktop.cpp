#include "platform/qt/qtdesktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

namespace {
// One fixed file, whatever names the application object carries: ~/.config/zephane-folarium/.
const QLatin1String kSettingsName("zephane-folarium");
} // namespace

QString QtDesktop::setting(const QString& key) const
{
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, kSettingsName, kSettingsName);
    return settings.value(key).toString();
}

bool QtDesktop::setSetting(const QString& key, const QString& value)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, kSettingsName, kSettingsName);
    settings.setValue(key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString QtDesktop::environment(const QString& name) const
{
    return qEnvironmentVariable(name.toLocal8Bit().constData());
}

QString QtDesktop::findOnPath(const QString& program) const
{
    return QStandardPaths::findExecutable(program);
}

bool QtDesktop::isExecutable(const QString& path) const
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

bool QtDesktop::startDetached(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

namespace {
// The first line xdg-mime prints, or nothing when it is missing, fails or takes too long.
QString askXdgMime(const QStringList& arguments)
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return {};
    QProcess p;
    p.start(xdgMime, arguments);
    if (!p.waitForFinished(3000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        p.kill();
        return {};
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0).trimmed();
}
} // namespace

bool QtDesktop::openWithHandler(const QString& realPath)
{
    if (!QFileInfo(realPath).isFile())
        return false;
    // xdg-open reports success once it has started, even when nothing on the desktop takes the file's type:
    // ask first whether a handler is registered (when the desktop can tell).
    if (!QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty()) {
        const QString type = askXdgMime({QStringLiteral("query"), QStringLiteral("filetype"), realPath});
        if (type.isEmpty() ||
            askXdgMime({QStringLiteral("query"), QStringLiteral("default"), type}).isEmpty())
            return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(realPath));
}
