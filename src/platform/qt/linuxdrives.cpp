#include "platform/qt/linuxdrives.h"

#include <QFile>

#include "platform/drivemap.h"

QString LinuxDrives::mountPoint(QChar letter) const
{
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    if (!mounts.open(QIODevice::ReadOnly))
        return {};
    const auto letters = drivemap::assignLetters(drivemap::parseMounts(QString::fromUtf8(mounts.readAll())));
    return letters.value(letter.toUpper());
}
