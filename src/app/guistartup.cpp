#include "app/guistartup.h"

#include <QApplication>

#include "app/program.h"
#include "app/programfolder.h"
#include "platform/qt/linuxdrives.h"
#include "platform/qt/linuxprocesses.h"
#include "platform/qt/qtclipboard.h"
#include "platform/qt/qtmediadevice.h"
#include "platform/qt/qtmessages.h"
#include "platform/qt/qtprinter.h"
#include "platform/qt/qtscreen.h"

int runGui(QApplication& app, const QString& commandLine)
{
    // Qt's FFmpeg media backend crashes on machines without a sound device; GStreamer plays silently.
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");

    QtMessages messages;
    LinuxProcesses processes;
    LinuxDrives drives;
    QtScreen screen;
    QtMediaDevice splashSound;
    QtMediaDevice mainMedia;
    QtClipboard clipboard;
    QtPrinter printer(&messages);

    const Ports ports{processes, messages, drives, screen, splashSound, mainMedia, clipboard, printer};
    Program program(ports, programFolder());
    if (!program.start(commandLine))
        return 0;
    return app.exec();
}
