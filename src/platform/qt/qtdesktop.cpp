#include "platform/qt/qtdesktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

QString QtDesktop::setting(const QString& key) const
{
    // One fixed file, whatever names the application object carries: ~/.config/zephane-folarium/.
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("zephane-folarium"),
                             QStringLiteral("zephane-folarium"));
    return settings.value(key).toString();
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

bool QtDesktop::openWithHandler(const QString& realPath)
{
    if (!QFileInfo(realPath).isFile())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(realPath));
}
