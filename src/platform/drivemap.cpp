#include "platform/drivemap.h"

#include <algorithm>

namespace drivemap {
namespace {

QString unescapeMountField(const QString& field)
{
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == QLatin1Char('\\') && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out += QChar(code);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

bool under(const QString& path, const QString& folder)
{
    return path.startsWith(folder + QLatin1Char('/'));
}

}  // namespace

QList<Mount> parseMounts(const QString& procMounts)
{
    QList<Mount> mounts;
    for (const QString& line : procMounts.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.size() < 3)
            continue;
        mounts.append({unescapeMountField(fields[1]), fields[2]});
    }
    return mounts;
}

bool countsAsDrive(const Mount& mount)
{
    static const QStringList optical = {"iso9660", "udf"};
    return under(mount.mountPoint, QStringLiteral("/media")) || under(mount.mountPoint, QStringLiteral("/run/media"))
           || under(mount.mountPoint, QStringLiteral("/mnt")) || optical.contains(mount.fsType);
}

QMap<QChar, QString> assignLetters(const QList<Mount>& mounts)
{
    QStringList points;
    for (const Mount& m : mounts)
        if (countsAsDrive(m) && !points.contains(m.mountPoint))
            points << m.mountPoint;
    std::sort(points.begin(), points.end());
    QMap<QChar, QString> letters;
    char letter = 'D';
    for (const QString& p : points) {
        if (letter > 'Z')
            break;
        letters.insert(QLatin1Char(letter++), p);
    }
    return letters;
}

}  // namespace drivemap
