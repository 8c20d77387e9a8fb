// The end-to-end tests' main: starts the real program exactly as zephane-folarium does (real adapters, the
// "HWI" switch, the program folder from ZEPHANE_PROGRAM_DIR) and runs the tests on a thread of their own
// while the interface thread runs the program's event loop. run-e2e.sh provides the X server, the window
// manager and the folders.
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <QApplication>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include "app/guistartup.h"
#include "app/program.h"
#include "e2e/driver.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariable("QT_QPA_PLATFORM") != QLatin1String("xcb") || qgetenv("DISPLAY").isEmpty() ||
        qgetenv("ZEPHANE_PROGRAM_DIR").isEmpty()) {
        std::fprintf(stderr, "zephane-e2e: run it through tests/e2e/run-e2e.sh (needs an X server with a "
                             "window manager, QT_QPA_PLATFORM=xcb and ZEPHANE_PROGRAM_DIR)\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zephane-folarium"));
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr, "zephane-e2e: the xcb platform did not start\n");
        return 1;
    }
    std::thread tests;
    const int code = runGui(app, QStringLiteral("HWI"), QString(), true, [&tests](Program& program) {
        e2e::setProgram(&program);
        tests = std::thread([] {
            const int result = RUN_ALL_TESTS();
            std::fflush(stdout);
            std::fflush(stderr);
            // Whatever a failed test left open, the run ends here with the tests' verdict.
            std::_Exit(result);
        });
    });
    // The program ended before the tests did (start-up failed or it was closed).
    std::fprintf(stderr, "zephane-e2e: the program ended (exit %d) before the tests finished\n", code);
    if (tests.joinable())
        tests.detach();
    std::_Exit(code == 0 ? 1 : code);
}
