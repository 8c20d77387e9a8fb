// The composition root: picks the command-line mode or builds the real services and starts the program.
#include <cstdio>

#include <QApplication>

#include "app/clicommand.h"
#include "app/guistartup.h"

int main(int argc, char** argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--help") {
        std::printf("usage: zephane-folarium [HWI]\n");
        for (const QString& u : CliCommand::usages())
            std::printf("       zephane-folarium %s\n", qPrintable(u));
        return 0;
    }
    const CliCommand* command = argc > 1 ? CliCommand::find(QString::fromLocal8Bit(argv[1])) : nullptr;
    if (command && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");  // command-line modes need no screen

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zephane-folarium"));

    if (command) {
        const QStringList args = QApplication::arguments().mid(2);
        return command->run(args);
    }
    // The whole command line as one text, the way the "HWI" switch is tested.
    return runGui(app, QApplication::arguments().mid(1).join(QLatin1Char(' ')));
}
