// zephane-demo-media --media DIR --program DIR [--if-needed]: writes the demo media tree.
#include <cstdio>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QStringList>

#include "demomedia.h"

namespace {

const char* const kUsage = "usage: zephane-demo-media --media DIR --program DIR [--if-needed]\n"
                           "       zephane-demo-media --help | --version\n"
                           "  Writes a complete demo media tree (DIR may be the same folder for both).\n"
                           "  --if-needed: do nothing when DIR already holds a tree of this version.\n";

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--help") {
            std::printf("%s", kUsage);
            return 0;
        }
        if (QByteArray(argv[i]) == "--version") {
            std::printf("zephane-demo-media %s\n", ZEPHANE_VERSION);
            return 0;
        }
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // pictures are painted without a screen
    QGuiApplication app(argc, argv);

    demomedia::Options options;
    bool ifNeeded = false;
    const QStringList args = QGuiApplication::arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--media") && i + 1 < args.size())
            options.mediaDir = args[++i];
        else if (args[i] == QLatin1String("--program") && i + 1 < args.size())
            options.programDir = args[++i];
        else if (args[i] == QLatin1String("--if-needed"))
            ifNeeded = true;
        else
            options.mediaDir.clear(), i = int(args.size());
    }
    if (options.mediaDir.isEmpty() || options.programDir.isEmpty()) {
        std::fprintf(stderr, "%s", kUsage);
        return 2;
    }
    if (ifNeeded && demomedia::isCurrent(options.mediaDir)) {
        std::printf("demo media in %s is current\n", qPrintable(options.mediaDir));
        return 0;
    }

    QElapsedTimer timer;
    timer.start();
    const demomedia::Result result = demomedia::generate(options);
    for (const QString& e : result.errors)
        std::fprintf(stderr, "zephane-demo-media: %s\n", qPrintable(e));
    std::printf("%d files, %.1f MB in %.1f s\n", result.files, result.bytes / 1e6, timer.elapsed() / 1000.0);
    return result.errors.isEmpty() ? 0 : 1;
}
