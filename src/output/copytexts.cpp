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

QString fileFailed(const QString& name, const QString& reason)
{
    return QStringLiteral("%1 could not be copied:\r\n%2").arg(name, reason);
}

QString copyStopped(bool photos, FileFailure kind, const QString& reason, int copied, int total,
                    const QString& folder)
{
    const QString kinds = photos ? QStringLiteral("photos") : QStringLiteral("movies");
    QString why;
    switch (kind) {
    case FileFailure::NoSpace:
        why = QStringLiteral("the hard disk is full");
        break;
    case FileFailure::ReadOnly:
        why = QStringLiteral("the hard disk can only be read");
        break;
    case FileFailure::Denied:
        why = QStringLiteral("the folder may not be written");
        break;
    default:
        why = QStringLiteral("the hard disk failed");
    }
    QString text = QStringLiteral("The copy stopped: %1 (%2).\r\n\r\n%3 of %4 %5 were copied to\r\n%6\r\n"
                                  "The file that was being copied was removed.\r\n")
                       .arg(why, reason)
                       .arg(copied)
                       .arg(total)
                       .arg(kinds, folder);
    if (photos)
        text += QStringLiteral("\r\nThe photos are still shown from the CD-ROM.\r\n");
    return text;
}

QString syncFailed(bool photos, const QString& reason, const QString& folder)
{
    QString text = QStringLiteral("The copied %1 could not be written to the hard disk (%2):\r\n%3\r\n")
                       .arg(photos ? QStringLiteral("photos") : QStringLiteral("movies"), reason, folder);
    if (photos)
        text += QStringLiteral("\r\nThe photos are still shown from the CD-ROM.\r\n");
    return text;
}

QString nothingToCopy(bool photos)
{
    return photos ? QStringLiteral("There are no photos on the CD-ROM to copy.\r\n\r\n"
                                   "The photos are still shown from the CD-ROM.\r\n")
                  : QStringLiteral("There are no movies on the CD-ROM to copy.\r\n");
}

QString folderNotMade(const QString& folder, const QString& reason)
{
    return QStringLiteral("The folder %1 could not be created (%2).").arg(folder, reason);
}

QString removalIncomplete(bool photos, int left, const QString& folder, const QString& reason)
{
    const QString kind = photos ? QStringLiteral("photos") : QStringLiteral("movies");
    QString text =
        QStringLiteral("Not all %1 could be removed from your hard drive: %2 file(s) are still in\r\n%3\r\n")
            .arg(kind)
            .arg(left)
            .arg(folder);
    if (!reason.isEmpty())
        text += QStringLiteral("\r\n%1\r\n").arg(reason);
    return text;
}

QString removalFailed(bool photos, const QString& folder, const QString& reason)
{
    return QStringLiteral("The %1 could not be removed from your hard drive: the folder\r\n%2\r\n"
                          "cannot be used (%3).\r\n\r\nNothing was removed.")
        .arg(photos ? QStringLiteral("photos") : QStringLiteral("movies"), folder, reason);
}

QString removalRefusedMediaRoot(bool photos, const QString& folder)
{
    const QString kind = photos ? QStringLiteral("photos") : QStringLiteral("movies");
    return QStringLiteral("The %1 in\r\n%2\r\nare the program's only %1: it reads its media from this folder "
                          "(HWI).\r\n\r\nNothing was removed.")
        .arg(kind, folder);
}

} // namespace copytexts
