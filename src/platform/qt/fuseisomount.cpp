#include "platform/qt/fuseisomount.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "platform/qt/mounttable.h"

namespace {

constexpr int kWaitMs = 20000;

QString fusermount()
{
    for (const char* name : {"fusermount", "fusermount3"}) {
        const QString found = QStandardPaths::findExecutable(QLatin1String(name));
        if (!found.isEmpty())
            return found;
    }
    return {};
}

// Runs a tool to its end; its error output (or a word on why it did not run) in *error.
bool runTool(const QString& program, const QStringList& args, QString* error)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(program, args);
    if (!p.waitForFinished(kWaitMs)) {
        p.kill();
        p.waitForFinished();
        *error = QStringLiteral("%1 did not finish").arg(QFileInfo(program).fileName());
        return false;
    }
    *error = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

bool FuseIsoMount::available(QString* why) const
{
    if (QStandardPaths::findExecutable(QStringLiteral("fuseiso")).isEmpty()) {
        *why = QStringLiteral("the program fuseiso is not installed (Debian package \"fuseiso\")");
        return false;
    }
    if (fusermount().isEmpty()) {
        *why = QStringLiteral("the program fusermount is not installed (Debian package \"fuse\")");
        return false;
    }
    if (!QFileInfo::exists(QStringLiteral("/dev/fuse"))) {
        *why = QStringLiteral("this system has no /dev/fuse for user-space file systems");
        return false;
    }
    return true;
}

IImageMountMethod::Result FuseIsoMount::mount(const QString& image, const QString& workFolder)
{
    Result r;
    QString folder;
    for (int n = 1; n < 1000 && folder.isEmpty(); ++n) {
        const QString candidate = QStringLiteral("%1/disc-%2").arg(workFolder).arg(n);
        if (!QFileInfo::exists(candidate) && QDir().mkpath(candidate))
            folder = candidate;
    }
    if (folder.isEmpty()) {
        r.error = QStringLiteral("no mount folder could be made in %1").arg(workFolder);
        return r;
    }
    // -n: no mount list in the home folder; -c UTF-8: Joliet names as the desktop shows them. A disc never
    // changes, so the kernel may keep names, attributes, misses and contents for as long as it is mounted:
    // every look-up after the first is answered without a round trip to fuseiso.
    QString error;
    const QString fuseiso = QStandardPaths::findExecutable(QStringLiteral("fuseiso"));
    const QString options =
        QStringLiteral("ro,kernel_cache,entry_timeout=86400,attr_timeout=86400,negative_timeout=86400");
    if (!runTool(fuseiso,
                 {QStringLiteral("-n"), QStringLiteral("-c"), QStringLiteral("UTF-8"), image, folder,
                  QStringLiteral("-o"), options},
                 &error) ||
        !mounttable::isMountPoint(folder)) {
        QDir().rmdir(folder);
        r.error = error.isEmpty() ? QStringLiteral("fuseiso could not mount it")
                                  : QStringLiteral("fuseiso: ") + error;
        return r;
    }
    r.folder = folder;
    return r;
}

bool FuseIsoMount::unmount(const QString& folder, const QString&)
{
    const QString tool = fusermount();
    QString error;
    if (mounttable::isMountPoint(folder)) {
        // A lazy unmount lets go even when something still has a file of it open.
        if (tool.isEmpty() ||
            (!runTool(tool, {QStringLiteral("-u"), QStringLiteral("-q"), folder}, &error) &&
             !runTool(tool, {QStringLiteral("-u"), QStringLiteral("-z"), QStringLiteral("-q"), folder},
                      &error)))
            return false;
    }
    QDir().rmdir(folder);
    return !mounttable::isMountPoint(folder);
}
