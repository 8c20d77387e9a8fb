#include "saveroptions.h"

namespace {

bool parseWindowId(const QString& text, unsigned long long& id)
{
    bool ok = false;
    id = text.trimmed().toULongLong(&ok, 0); // "0x1c00007" as XScreenSaver writes it, or decimal
    return ok && id != 0;
}

} // namespace

SaverOptions SaverOptions::parse(const QStringList& args, const QString& xscreensaverWindow)
{
    SaverOptions o;
    bool root = false, window = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-help") || a == QLatin1String("-h")) {
            o.mode = Mode::Help;
            return o;
        }
        if (a == QLatin1String("--version")) {
            o.mode = Mode::Version;
            return o;
        }
        if (a == QLatin1String("--settings")) {
            o.mode = Mode::Settings;
        } else if (a == QLatin1String("-root") || a == QLatin1String("--root")) {
            root = true;
        } else if (a == QLatin1String("-window") || a == QLatin1String("--window")) {
            window = true;
        } else if (a == QLatin1String("-window-id") || a == QLatin1String("--window-id")) {
            if (i + 1 >= args.size() || !parseWindowId(args[i + 1], o.windowId)) {
                o.mode = Mode::Usage;
                o.error = QStringLiteral("-window-id needs a window number such as 0x1c00007");
                return o;
            }
            ++i;
            o.mode = Mode::Embed;
        } else {
            o.mode = Mode::Usage;
            o.error = QStringLiteral("unknown option: %1").arg(a);
            return o;
        }
    }
    if (o.mode != Mode::FullScreen)
        return o; // --settings or -window-id
    unsigned long long fromEnv = 0;
    if (!window && parseWindowId(xscreensaverWindow, fromEnv)) {
        o.mode = Mode::Embed; // XScreenSaver names its window this way, with or without -root
        o.windowId = fromEnv;
    } else if (root) {
        o.mode = Mode::Root;
    } else if (window) {
        o.mode = Mode::Window;
    }
    return o;
}

QString SaverOptions::usage()
{
    return QStringLiteral(
        "usage: zephane-screensaver [-root | -window | -window-id ID]\n"
        "       zephane-screensaver --settings | --help | --version\n"
        "Shows the photos named by \"ZephPath\" in Zephane2000.ini (in $XDG_DATA_HOME/zephane-folarium),\n"
        "one every \"Interval\" seconds.\n"
        "  (no option)     full screen; any key or mouse movement ends it\n"
        "  -window         in an ordinary window\n"
        "  -window-id ID   inside the window ID (XScreenSaver's $XSCREENSAVER_WINDOW is used the same way)\n"
        "  -root           on the root window\n"
        "  --settings      print the folders, settings file, photo folder and photo count, then exit\n");
}
