#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// How drive letters are handed out on Linux: the file systems a user thinks of as drives (anything mounted
// under /media, /run/media or /mnt, and every optical disc wherever it is mounted) get D, E, F, ... in the
// order of their mount paths.
namespace drivemap {

struct Mount {
    QString mountPoint;
    QString fsType;
};

// Parses the text of /proc/self/mounts (octal escapes such as "\040" for a blank are decoded).
QList<Mount> parseMounts(const QString& procMounts);
bool countsAsDrive(const Mount& mount);
QMap<QChar, QString> assignLetters(const QList<Mount>& mounts);

}  // namespace drivemap
