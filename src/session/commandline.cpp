#include "session/commandline.h"

#ifndef ZEPHANE_VERSION
#define ZEPHANE_VERSION "unknown"
#endif

CommandLine CommandLine::decide(const QStringList& args, const std::function<bool(const QString&)>& isMode)
{
    CommandLine c;
    if (args.isEmpty())
        return c;
    if (isMode && isMode(args.first())) {
        c.action = Action::Mode; // the mode reads its own arguments
        return c;
    }
    for (const QString& a : args) {
        if (a == QLatin1String("--help")) {
            c.action = Action::Help;
            return c;
        }
        if (a == QLatin1String("--version")) {
            c.action = Action::Version;
            return c;
        }
    }
    for (const QString& a : args) {
        if (a.startsWith(QLatin1String("--"))) {
            c.action = Action::Usage;
            c.error = QStringLiteral("unknown option: %1").arg(a);
            return c;
        }
    }
    return c; // "HWI", or anything else: the program, as it always started
}

QString CommandLine::helpText(const QStringList& modeUsages)
{
    QString text = QStringLiteral("usage: zephane-folarium [HWI]\n");
    for (const QString& u : modeUsages)
        text += QStringLiteral("       zephane-folarium %1\n").arg(u);
    text += QStringLiteral(
        "       zephane-folarium --help | --version\n"
        "\n"
        "  HWI    read the media from the program folder instead of a disc (exactly \"HWI\")\n"
        "\n"
        "Environment:\n"
        "  ZEPHANE_PROGRAM_DIR  the program folder (default: the executable's folder, or\n"
        "                       lib/zephane-folarium when installed)\n"
        "  XDG_DATA_HOME        per-user folder for copies and the screen-saver settings:\n"
        "                       $XDG_DATA_HOME/zephane-folarium (~/.local/share/zephane-folarium)\n"
        "  XDG_RUNTIME_DIR      where the single-copy lock file is kept\n"
        "  QT_QPA_PLATFORM      Qt's display platform (offscreen runs without a display)\n");
    return text;
}

QString CommandLine::versionText()
{
    return QStringLiteral("zephane-folarium %1\n").arg(QStringLiteral(ZEPHANE_VERSION));
}
