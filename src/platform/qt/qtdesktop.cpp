#include "platform/qt/qtdesktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
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

void QtDesktop::openWithHandler(const QString& realPath, std::function<void(bool opened)> done)
{
    // Answered later even when the answer is known now, so a caller sees one order of events.
    const auto answer = [done = std::move(done)](bool opened) {
        QTimer::singleShot(0, qApp, [done, opened] { done(opened); });
    };
    if (!QFileInfo(realPath).isFile()) {
        answer(false);
        return;
    }
    const QUrl url = QUrl::fromLocalFile(realPath);
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty()) {
        answer(QDesktopServices::openUrl(url));
        return;
    }
    // xdg-open reports success once it has started, even when nothing on the desktop takes the file's type:
    // ask the desktop once, without waiting for it here, whether a handler is registered for the type.
    const QString type = QMimeDatabase().mimeTypeForFile(realPath).name();
    auto* query = new QProcess(qApp);
    auto* limit = new QTimer(query);
    limit->setSingleShot(true);
    auto finish = [query, url, answer](bool handled) {
        if (query->property("answered").toBool())
            return;
        query->setProperty("answered", true);
        query->disconnect();
        if (query->state() != QProcess::NotRunning) {
            query->kill();
            query->waitForFinished(1000);
        }
        query->deleteLater();
        answer(handled && QDesktopServices::openUrl(url));
    };
    QObject::connect(query, &QProcess::finished, query,
                     [query, finish](int code, QProcess::ExitStatus status) {
                         const QString handler = QString::fromLocal8Bit(query->readAllStandardOutput())
                                                     .section(QLatin1Char('\n'), 0, 0)
                                                     .trimmed();
                         finish(status == QProcess::NormalExit && code == 0 && !handler.isEmpty());
                     });
    QObject::connect(query, &QProcess::errorOccurred, query, [finish](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(false);
    });
    QObject::connect(limit, &QTimer::timeout, query, [finish] { finish(false); });
    limit->start(m_handlerQueryTimeoutMs);
    query->start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), type});
}
