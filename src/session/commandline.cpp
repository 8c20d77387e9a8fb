#include "session/commandline.h"

#include <QDir>
#include <QFileInfo>

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
    const auto refuse = [&c](const QString& error) {
        c.action = Action::Usage;
        c.error = error;
        c.mediaPath.clear();
        return c;
    };
    const QLatin1String media("--media");
    bool mediaNamed = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == media || a.startsWith(media + QLatin1Char('='))) {
            if (mediaNamed)
                return refuse(QStringLiteral("--media given more than once"));
            mediaNamed = true;
            if (a == media) {
                if (i + 1 >= args.size() || args.at(i + 1).isEmpty())
                    return refuse(QStringLiteral("--media needs a folder or a disc image (.iso)"));
                c.mediaPath = args.at(++i);
            } else {
                c.mediaPath = a.mid(media.size() + 1);
                if (c.mediaPath.isEmpty())
                    return refuse(QStringLiteral("--media needs a folder or a disc image (.iso)"));
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            return refuse(QStringLiteral("unknown option: %1").arg(a));
        }
    }
    // A path alone: what "Open With" in a file manager passes. Any other single word keeps its old meaning
    // (the "HWI" switch, or nothing).
    if (!mediaNamed && args.size() == 1 && args.first() != QLatin1String("HWI") &&
        (QDir::isAbsolutePath(args.first()) || QFileInfo::exists(args.first()))) {
        c.mediaPath = args.first();
        c.mediaFromDesktop = true;
    }
    return c; // "HWI", or anything else: the program, as it always started
}

QString CommandLine::helpText(const QStringList& modeUsages)
{
    QString text = QStringLiteral("usage: zephane-folarium [HWI | --media PATH | PATH]\n");
    for (const QString& u : modeUsages)
        text += QStringLiteral("       zephane-folarium %1\n").arg(u);
    text += QStringLiteral(
        "       zephane-folarium --help | --version\n"
        "\n"
        "  HWI    read the media from the program folder instead of a disc (exactly \"HWI\")\n"
        "  --media PATH, PATH\n"
        "         read the media from PATH instead of a disc: a folder holding the media tree\n"
        "         (a \"zephanes\" folder of .jpg photos, folder names in any case) or a disc image\n"
        "         (.iso, mounted read-only while the program runs); remembered for later starts\n"
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
