#pragma once

#include "platform/qt/linuxdrives.h"
#include "platform/qt/linuxfilesystem.h"
#include "platform/qt/linuxprocesses.h"
#include "platform/qt/qtclipboard.h"
#include "platform/qt/qtclock.h"
#include "platform/qt/qtdesktop.h"
#include "platform/qt/qtmediadevice.h"
#include "platform/qt/qtmessages.h"
#include "platform/qt/qtprinter.h"
#include "platform/qt/qtscreen.h"
#include "session/ports.h"

// Every platform service's Qt/Linux adapter and the Ports that name them: what the program runs on, and what
// the tools that show its windows for real build.
struct QtPorts {
    QtMessages messages;
    LinuxProcesses processes;
    LinuxDrives drives;
    QtScreen screen;
    QtMediaDevice splashMedia;
    QtMediaDevice mainMedia;
    QtMediaDevice movieMedia;
    QtClipboard clipboard;
    QtPrinter printer{&messages};
    QtDesktop desktop;
    QtClock clock;
    LinuxFileSystem fileSystem;
    Ports ports{processes,  messages,  drives,  screen,  splashMedia, mainMedia,
                movieMedia, clipboard, printer, desktop, clock,       fileSystem};
};
