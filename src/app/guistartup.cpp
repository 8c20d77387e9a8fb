#include "app/guistartup.h"

#include <QApplication>
#include <QMainWindow>

#include "app/programfolder.h"
#include "catalog/errorreporter.h"
#include "catalog/mediafiles.h"
#include "catalog/mediaroots.h"
#include "catalog/rootsearch.h"
#include "platform/qt/linuxdrives.h"
#include "platform/qt/linuxprocesses.h"
#include "platform/qt/qtmessages.h"

int runGui(QApplication& app, const QString& commandLine)
{
    QtMessages messages;
    LinuxProcesses processes;
    LinuxDrives drives;
    ErrorState errors;
    ErrorReporter reporter(errors, messages, processes);
    MediaRoots roots;
    roots.programFolder = programFolder();
    MediaFiles files(drives);

    if (processes.anotherInstanceRunning()) {
        messages.ask({QString(), QStringLiteral("The Zephane Folarium is already running!"), MessageIcon::Error,
                      MessageButtons::Ok, true});
        return 0;
    }
    RootSearch search(roots, files, reporter);
    if (!search.run(commandLine))
        return 0;

    QMainWindow window;
    window.setObjectName(QStringLiteral("Form1"));
    window.setWindowTitle(QStringLiteral("The Zephane Folarium  2000"));
    window.resize(800, 600);
    window.show();
    return app.exec();
}
