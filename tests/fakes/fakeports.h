#pragma once

#include "fakes/fakeclipboard.h"
#include "fakes/fakeclock.h"
#include "fakes/fakedesktop.h"
#include "fakes/fakefilesystem.h"
#include "fakes/fakemediadevice.h"
#include "fakes/fakeprinter.h"
#include "fakes/fakescreen.h"
#include "session/ports.h"

class IDrives;
class IMessages;
class IProcesses;

// Every platform service besides the three most fixtures already fake (processes, messages, drives), and the
// Ports that name them all. Fixtures derive from it, so a test reaches `printer` or `clock` by name.
struct FakeDevices {
    FakeScreen screen{800, 600};
    FakeMediaDevice splashMedia;
    FakeMediaDevice mainMedia;
    FakeMediaDevice movieMedia;
    FakeClipboard clipboard;
    FakePrinter printer;
    FakeDesktop desktop;
    FakeClock clock;
    FakeFileSystem fileSystem;

    Ports portsWith(IProcesses& processes, IMessages& messages, const IDrives& drives)
    {
        return Ports{processes,  messages,  drives,  screen,  splashMedia, mainMedia,
                     movieMedia, clipboard, printer, desktop, clock,       fileSystem};
    }
};
