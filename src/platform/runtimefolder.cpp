#include "platform/runtimefolder.h"

#include <QDir>
#include <QStandardPaths>

QString runtimeFolder()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return dir.isEmpty() ? QDir::tempPath() : dir;
}
