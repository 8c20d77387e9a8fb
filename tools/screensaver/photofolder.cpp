#include "photofolder.h"

#include <algorithm>

#include <QFileInfo>

#include "catalog/mediafiles.h"

namespace {

bool isDrivePath(const QString& path)
{
    return path.size() >= 2 && path[1] == QLatin1Char(':') && path[0].isLetter() && path[0].unicode() < 128;
}

// The program's form with its separators: a drive path may have been typed with "/" as well.
QString mediaForm(QString path)
{
    if (isDrivePath(path))
        path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    while (path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    return path;
}

// Name order with runs of digits compared as numbers ("p2" before "p10") and letters without regard to case,
// whatever the locale (the collator ignores numbers in the C locale).
bool naturalLess(const QString& a, const QString& b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype si = i, sj = j;
            while (i < a.size() && a[i].isDigit())
                ++i;
            while (j < b.size() && b[j].isDigit())
                ++j;
            QStringView x = QStringView(a).mid(si, i - si), y = QStringView(b).mid(sj, j - sj);
            while (x.size() > 1 && x[0] == QLatin1Char('0'))
                x = x.mid(1);
            while (y.size() > 1 && y[0] == QLatin1Char('0'))
                y = y.mid(1);
            if (x.size() != y.size())
                return x.size() < y.size();
            if (const int c = x.compare(y); c != 0)
                return c < 0;
            continue;
        }
        const QChar x = a[i].toCaseFolded(), y = b[j].toCaseFolded();
        if (x != y)
            return x < y;
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return (a.size() - i) < (b.size() - j);
    return a < b; // same but for case: a fixed order all the same
}

} // namespace

PhotoFolder PhotoFolder::find(const QString& zephPath, const MediaFiles& files)
{
    PhotoFolder out;
    const QString path = mediaForm(zephPath.trimmed());
    // MediaFiles takes a drive letter or an absolute folder as the root, so a plain Linux path resolves too.
    const std::optional<QString> real = files.resolve(path);
    if (!real || !QFileInfo(*real).isDir()) {
        out.problem = isDrivePath(path)
                          ? QStringLiteral("The photo folder %1 cannot be found.\nIs the disc in the drive?")
                                .arg(zephPath)
                          : QStringLiteral("The photo folder %1 cannot be found.").arg(zephPath);
        return out;
    }
    out.folder = *real;
    QStringList names = files.list(path + QStringLiteral("\\*.jpg"));
    names += files.list(path + QStringLiteral("\\*.jpeg"));
    std::sort(names.begin(), names.end(), naturalLess);
    for (const QString& n : names)
        out.photos << out.folder + QLatin1Char('/') + n;
    if (out.photos.isEmpty())
        out.problem = QStringLiteral("The photo folder %1 holds no photos.").arg(zephPath);
    return out;
}
