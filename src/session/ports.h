#pragma once

class IClipboard;
class IClock;
class IDesktop;
class IDrives;
class IFileSystem;
class IMediaDevice;
class IMessages;
class IPrinter;
class IProcesses;
class IScreen;

// The platform services, built by the composition root (real adapters) or by a test (fakes).
struct Ports {
    IProcesses& processes;
    IMessages& messages;
    const IDrives& drives;
    const IScreen& screen;
    IMediaDevice& splashMedia; // the splash window's MMControl1
    IMediaDevice& mainMedia;   // the main window's MMControl1
    IMediaDevice& movieMedia;  // the movie window's MMControl1
    IClipboard& clipboard;
    IPrinter& printer;
    IDesktop& desktop;       // programs, files opened with their handler, settings
    const IClock& clock;     // local time: the slide show's clock
    IFileSystem& fileSystem; // hard-disk copies, the screen saver's folder
};
