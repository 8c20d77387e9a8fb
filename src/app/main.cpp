// The composition root: picks the command-line mode or builds the real services and starts the program.
#include <cstdio>

#include <QApplication>

#include "app/clicommand.h"
#include "app/guistartup.h"
#include "session/commandline.h"

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    // "--media ROOT --search QUERY" names a mode after its media: the mode comes first, and its own parser
    // takes --media wherever it stands.
    if (args.size() >= 3 && args.first() == QLatin1String("--media") && CliCommand::find(args.at(2)))
        args.move(2, 0);
    const CommandLine line =
        CommandLine::decide(args, [](const QString& first) { return CliCommand::find(first) != nullptr; });
    switch (line.action) {
    case CommandLine::Action::Help:
        std::fputs(qPrintable(CommandLine::helpText(CliCommand::usages())), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::fputs(qPrintable(CommandLine::versionText()), stdout);
        return 0;
    case CommandLine::Action::Usage:
        std::fprintf(stderr, "zephane-folarium: %s\n%s", qPrintable(line.error),
                     qPrintable(CommandLine::helpText(CliCommand::usages())));
        return CommandLine::kUsageStatus;
    case CommandLine::Action::Mode:
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen"); // command-line modes need no screen
        break;
    case CommandLine::Action::Run:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zephane-folarium"));
    if (line.action == CommandLine::Action::Mode)
        return CliCommand::find(args.first())->run(args.mid(1));
    // The whole command line as one text, the way the "HWI" switch is tested.
    return runGui(app, QApplication::arguments().mid(1).join(QLatin1Char(' ')), line.mediaPath,
                  line.mediaFromDesktop);
}
