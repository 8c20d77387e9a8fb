#pragma once

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// The tools the disc-image tests need. A missing tool is a failure of the test, never a quiet pass:
// scripts/setup.sh installs them.
namespace discimagetools {

// Empty when every program is on the PATH; else names the missing ones and their Debian packages.
inline QString missing(const QStringList& programs)
{
    QStringList gone;
    for (const QString& p : programs)
        if (QStandardPaths::findExecutable(p).isEmpty())
            gone << p;
    return gone.isEmpty() ? QString()
                          : QStringLiteral("missing on the PATH: %1 (Debian packages fuseiso, genisoimage or "
                                           "xorriso, dbus-daemon; scripts/setup.sh installs them)")
                                .arg(gone.join(QStringLiteral(", ")));
}

// Whether user-space file systems can work here. Without /dev/fuse the fuse tests fail, unless the run says
// on purpose that this machine has none (ZEPHANE_TESTS_WITHOUT_FUSE=1): then they are skipped with that
// reason.
inline bool fuseExpected()
{
    return qEnvironmentVariable("ZEPHANE_TESTS_WITHOUT_FUSE") != QLatin1String("1");
}
inline bool hasFuse()
{
    return QFileInfo::exists(QStringLiteral("/dev/fuse"));
}

// Writes a disc image of a folder with genisoimage (or xorriso's mkisofs emulation). nameOptions: "-J" for
// Joliet names, "-R" for Rock Ridge; none gives plain ISO 9660 names. Returns the tool's complaint, or empty.
inline QString makeIso(const QString& folder, const QString& image,
                       const QStringList& nameOptions = {"-J", "-R"})
{
    QString program = QStandardPaths::findExecutable(QStringLiteral("genisoimage"));
    QStringList args;
    if (program.isEmpty()) {
        program = QStandardPaths::findExecutable(QStringLiteral("xorriso"));
        if (program.isEmpty())
            return QStringLiteral("neither genisoimage nor xorriso is installed");
        args << QStringLiteral("-as") << QStringLiteral("mkisofs");
    }
    args << QStringLiteral("-quiet") << QStringLiteral("-V") << QStringLiteral("ZEPHANE2000") << nameOptions
         << QStringLiteral("-o") << image << folder;
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(p.readAllStandardError()));
    return {};
}

} // namespace discimagetools
