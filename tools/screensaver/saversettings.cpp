#include "saversettings.h"

#include <QFile>

#include "output/inifile.h"

namespace {

const QByteArray kSection = "Zephane2000";
const QByteArray kPathKey = "ZephPath";
const QByteArray kIntervalKey = "Interval";
constexpr qint64 kMaxIniBytes = 4 * 1024 * 1024; // a settings file is small; anything larger is not one

} // namespace

SaverSettings SaverSettings::parse(const QByteArray& iniBytes)
{
    // The installation writes this file by the same rules (IniFile), so whatever it wrote reads back here.
    const IniFile ini(iniBytes);
    const QString path = IniFile::decode(ini.value(kSection, kPathKey).value_or(QByteArray()));
    const QString interval = IniFile::decode(ini.value(kSection, kIntervalKey).value_or(QByteArray()));

    SaverSettings s;
    bool isNumber = false;
    const double seconds = interval.toDouble(&isNumber);
    if (isNumber && seconds == seconds) // NaN never compares equal to itself
        s.intervalSeconds = int(qBound<double>(kMinInterval, seconds, kMaxInterval));
    s.photoPath = path;
    if (!ini.hasSection(kSection))
        s.problem = QStringLiteral("The settings hold no section \"%1\".").arg(QLatin1String(kSection));
    else if (s.photoPath.isEmpty())
        s.problem =
            QStringLiteral("The settings name no photo folder (\"%1\").").arg(QLatin1String(kPathKey));
    return s;
}

SaverSettings SaverSettings::read(const QString& iniFile)
{
    SaverSettings s;
    QFile f(iniFile);
    if (!f.exists()) {
        s.problem = QStringLiteral("The screen saver has not been installed yet: %1 is missing.\n"
                                   "Choose \"Install Screen saver\" in The Zephane Folarium 2000.")
                        .arg(iniFile);
        return s;
    }
    if (!f.open(QIODevice::ReadOnly) || f.size() > kMaxIniBytes) {
        s.problem = QStringLiteral("The screen-saver settings %1 cannot be read.").arg(iniFile);
        return s;
    }
    s = parse(f.readAll());
    if (!s.ok())
        s.problem = QStringLiteral("%1\n(%2)").arg(s.problem, iniFile);
    return s;
}

QString SaverSettings::iniPath(const QString& userFolder)
{
    return userFolder + QStringLiteral("/Zephane2000.ini");
}
