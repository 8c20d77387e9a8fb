#pragma once

#include <QString>
#include <QStringList>

// The screen saver's command line, read the way XScreenSaver starts its programs.
struct SaverOptions {
    enum class Mode {
        FullScreen, // no option: a full-screen window of its own that ends on any key or mouse movement
        Window,     // -window: an ordinary window, for trying it out
        Embed,      // -window-id ID or $XSCREENSAVER_WINDOW: draw inside that window
        Root,       // -root: draw on the root window
        Settings,   // --settings: print where the settings and photos are, without a display
        Help,
        Version,
        Usage, // an unknown option: usage on standard error, exit status 2
    };
    Mode mode = Mode::FullScreen;
    unsigned long long windowId = 0; // Embed
    QString error;                   // Usage: what was wrong

    // args without the program name; xscreensaverWindow is the value of $XSCREENSAVER_WINDOW.
    static SaverOptions parse(const QStringList& args, const QString& xscreensaverWindow);
    static QString usage();
};
