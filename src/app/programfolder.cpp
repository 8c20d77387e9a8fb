#include "app/programfolder.h"

#include <QCoreApplication>
#include <QDir>

QString programFolder()
{
    const QString over = qEnvironmentVariable("ZEPHANE_PROGRAM_DIR");
    QString folder = over.isEmpty() ? QCoreApplication::applicationDirPath() : QDir(over).absolutePath();
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}
