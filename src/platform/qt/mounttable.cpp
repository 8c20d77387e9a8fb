#include "platform/qt/mounttable.h"

#include <QDir>
#include <QFile>

#include "platform/drivemap.h"

bool mounttable::isMountPoint(const QString& folder)
{
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    if (!mounts.open(QIODevice::ReadOnly))
        return false;
    const QString wanted = QDir::cleanPath(folder);
    for (const drivemap::Mount& m : drivemap::parseMounts(QString::fromUtf8(mounts.readAll())))
        if (m.mountPoint == wanted)
            return true;
    return false;
}
