#include "saversettings.h"

#include <QFile>
#include <QStringDecoder>

namespace {

const QString kSection = QStringLiteral("Zephane2000");
const QString kPathKey = QStringLiteral("ZephPath");
const QString kIntervalKey = QStringLiteral("Interval");
constexpr qint64 kMaxIniBytes = 4 * 1024 * 1024; // a settings file is small; anything larger is not one

QString decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError()) // an old file written in a single-byte code page
        text = QString::fromLatin1(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QString unquote(QString value)
{
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        value = value.mid(1, value.size() - 2);
    return value;
}

} // namespace

SaverSettings SaverSettings::parse(const QByteArray& iniBytes)
{
    QString text = decode(iniBytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    bool inSection = false, seenSection = false, havePath = false, haveInterval = false;
    QString path, interval;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            const QString name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            // Only the first section of that name counts, as with the system's own INI reader.
            inSection = !seenSection && name.compare(kSection, Qt::CaseInsensitive) == 0;
            seenSection = seenSection || inSection;
            continue;
        }
        if (!inSection || line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = unquote(line.mid(eq + 1).trimmed());
        if (!havePath && key.compare(kPathKey, Qt::CaseInsensitive) == 0) {
            path = value;
            havePath = true;
        } else if (!haveInterval && key.compare(kIntervalKey, Qt::CaseInsensitive) == 0) {
            interval = value;
            haveInterval = true;
        }
    }

    SaverSettings s;
    bool isNumber = false;
    const double seconds = interval.toDouble(&isNumber);
    if (isNumber && seconds == seconds) // NaN never compares equal to itself
        s.intervalSeconds = int(qBound<double>(kMinInterval, seconds, kMaxInterval));
    s.photoPath = path.trimmed();
    if (!seenSection)
        s.problem = QStringLiteral("The settings hold no section \"%1\".").arg(kSection);
    else if (s.photoPath.isEmpty())
        s.problem = QStringLiteral("The settings name no photo folder (\"%1\").").arg(kPathKey);
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
