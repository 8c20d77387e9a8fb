#include "catalog/programlocations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "catalog/mediaroots.h"

namespace {

QString clean(const QString& folder)
{
    QString out = QDir::cleanPath(QDir(folder).absolutePath());
    while (out.size() > 1 && out.endsWith(QLatin1Char('/')))
        out.chop(1);
    return out;
}

} // namespace

ProgramLocations::Environment ProgramLocations::fromProcess()
{
    return {QCoreApplication::applicationDirPath(), qEnvironmentVariable("ZEPHANE_PROGRAM_DIR"),
            qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME")};
}

ProgramLocations::ProgramLocations(const Environment& env)
{
    // A relative XDG_DATA_HOME is invalid by the base-directory rules and is ignored.
    const QString dataHome =
        QDir::isAbsolutePath(env.xdgDataHome)
            ? env.xdgDataHome
            : (env.home.isEmpty() ? QDir::homePath() : env.home) + QStringLiteral("/.local/share");
    m_userFolder = clean(dataHome + QLatin1Char('/') + folderName());

    if (!env.programDirOverride.isEmpty()) {
        m_programFolder = m_dataFolder = clean(env.programDirOverride);
        return;
    }
    const QString exe = clean(env.executableFolder);
    // Installed, the program's own files are architecture-specific (the screen-saver program), so they
    // live in PREFIX/lib/zephane-folarium, not under share.
    const QString own = clean(exe + QStringLiteral("/../lib/") + folderName());
    m_installed = QFileInfo(exe).fileName() == QLatin1String("bin") &&
                  QFileInfo::exists(own + QLatin1Char('/') + markerName());
    if (m_installed) {
        m_programFolder = own;
        m_dataFolder = m_userFolder;
    } else {
        m_programFolder = m_dataFolder = exe;
    }
}

void ProgramLocations::fill(MediaRoots& roots) const
{
    roots.programFolder = m_programFolder;
    roots.programDataFolder = m_dataFolder == m_programFolder ? QString() : m_dataFolder;
}
