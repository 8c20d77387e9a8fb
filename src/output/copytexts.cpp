#include "output/copytexts.h"

namespace copytexts {

QString formatF(qint64 x)
{
    if (x == 0)
        return QString();
    const bool negative = x < 0;
    QString digits = QString::number(negative ? -x : x);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return negative ? QLatin1Char('-') + digits : digits;
}

QString notEnoughSpace(qint64 available, qint64 needed)
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("Not enough available hard disk space to perform copy.") + crlf + crlf +
           QStringLiteral("Free some up and try again.") + crlf + crlf + QStringLiteral("You have:  ") +
           formatF(available) + QStringLiteral(" bytes") + crlf + crlf + QStringLiteral("You need:   ") +
           formatF(needed - available) + QStringLiteral(" bytes more") + crlf + crlf +
           QStringLiteral("For a total of:   ") + formatF(needed) + QStringLiteral(" bytes free.") + crlf;
}

QString copyIncomplete(bool photos, int failed, int total)
{
    const QString kind = photos ? QStringLiteral("photos") : QStringLiteral("movies");
    QString text = QStringLiteral("The copy is not complete: %1 of %2 %3 could not be copied.\r\n")
                       .arg(failed)
                       .arg(total)
                       .arg(kind);
    if (photos)
        text +=
            QStringLiteral("\r\nThe photos are still shown from the CD-ROM. Free some disk space or check "
                           "the disc, then copy again.\r\n");
    return text;
}

QString removalIncomplete(bool photos, int left, const QString& folder)
{
    const QString kind = photos ? QStringLiteral("photos") : QStringLiteral("movies");
    return QStringLiteral(
               "Not all %1 could be removed from your hard drive: %2 file(s) are still in\r\n%3\r\n")
        .arg(kind)
        .arg(left)
        .arg(folder);
}

} // namespace copytexts
