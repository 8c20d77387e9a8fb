#pragma once

class IClipboard;
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
    IClipboard& clipboard;
    IPrinter& printer;
    IFileSystem& fileSystem; // hard-disk copies, the screen saver's folder
};
