#include "platform/discimagefile.h"

#include <QFile>
#include <QFileInfo>

namespace discimage {
namespace {
constexpr qint64 kSector = 2048;
constexpr qint64 kFirstDescriptor = 16 * kSector;
constexpr int kSectorsRead = 8; // a recognition sequence rarely spans more than a few sectors
} // namespace

bool hasVolumeDescriptor(const QByteArray& sectors)
{
    for (qint64 at = 0; at + 6 <= sectors.size(); at += kSector) {
        const QByteArray id = sectors.mid(at + 1, 5);
        if (id == "CD001" || id == "BEA01" || id == "NSR02" || id == "NSR03")
            return true;
    }
    return false;
}

Kind inspect(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return Kind::Missing;
    if (info.isDir())
        return Kind::Folder;
    if (!info.isFile()) // a device or a pipe: reading it might never end
        return Kind::NotAnImage;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Kind::Unreadable;
    if (file.size() == 0)
        return Kind::Empty;
    if (!file.seek(kFirstDescriptor))
        return Kind::NotAnImage;
    return hasVolumeDescriptor(file.read(kSectorsRead * kSector)) ? Kind::Image : Kind::NotAnImage;
}

} // namespace discimage
