// zephane-screensaver: shows the photos the Zephane Folarium's screen-saver installation chose.
#include <cstdio>

#include <QApplication>
#include <QCoreApplication>
#include <QScreen>

#include "catalog/mediafiles.h"
#include "catalog/programlocations.h"
#include "nativehost.h"
#include "photofolder.h"
#include "platform/qt/linuxdrives.h"
#include "qtsavertimer.h"
#include "saveroptions.h"
#include "saversettings.h"
#include "savershow.h"
#include "saverwindow.h"
#include "threadeddecoder.h"

namespace {

QStringList arguments(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

int printSettings(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const ProgramLocations locations(ProgramLocations::fromProcess());
    const QString ini = SaverSettings::iniPath(locations.userFolder());
    const SaverSettings settings = SaverSettings::read(ini);
    // Each folder by what it holds: the program (and "HWI" media), the program's photo copies and photo
    // list, and the per-user folder the settings file is read from.
    std::printf("program folder: %s\ncopies folder: %s\nper-user folder: %s\nsettings: %s\n",
                qPrintable(locations.programFolder()), qPrintable(locations.programDataFolder()),
                qPrintable(locations.userFolder()), qPrintable(ini));
    if (!settings.ok()) {
        std::printf("problem: %s\n", qPrintable(settings.problem));
        return 1;
    }
    LinuxDrives drives;
    MediaFiles files(drives);
    const PhotoFolder folder = PhotoFolder::find(settings.photoPath, files);
    std::printf("ZephPath: %s\nphoto folder: %s\nphotos: %lld\ninterval: %d\n",
                qPrintable(settings.photoPath), qPrintable(folder.folder), qlonglong(folder.photos.size()),
                settings.intervalSeconds);
    if (!folder.problem.isEmpty())
        std::printf("problem: %s\n", qPrintable(folder.problem));
    return folder.problem.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const SaverOptions options =
        SaverOptions::parse(arguments(argc, argv), qEnvironmentVariable("XSCREENSAVER_WINDOW"));
    switch (options.mode) {
    case SaverOptions::Mode::Help:
        std::printf("%s", qPrintable(SaverOptions::usage()));
        return 0;
    case SaverOptions::Mode::Version:
        std::printf("zephane-screensaver %s\n", ZEPHANE_VERSION);
        return 0;
    case SaverOptions::Mode::Usage:
        std::fprintf(stderr, "zephane-screensaver: %s\n%s", qPrintable(options.error),
                     qPrintable(SaverOptions::usage()));
        return 2;
    case SaverOptions::Mode::Settings:
        return printSettings(argc, argv);
    default:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zephane-screensaver"));
    const ProgramLocations locations(ProgramLocations::fromProcess());

    const bool ownScreen =
        options.mode == SaverOptions::Mode::FullScreen || options.mode == SaverOptions::Mode::Window;
    SaverWindow window(ownScreen);
    QObject::connect(&window, &SaverWindow::quitRequested, &app, &QApplication::quit, Qt::QueuedConnection);

    bool placed = false;
    if (options.mode == SaverOptions::Mode::Embed || options.mode == SaverOptions::Mode::Root) {
        const quint64 host =
            options.mode == SaverOptions::Mode::Embed ? options.windowId : nativehost::rootWindow();
        placed = nativehost::embed(window, host);
        if (!placed) {
            std::fprintf(stderr, "zephane-screensaver: cannot draw into window 0x%llx\n",
                         static_cast<unsigned long long>(host));
            return 1;
        }
    } else if (options.mode == SaverOptions::Mode::Window) {
        window.resize(800, 600);
        window.show();
    } else {
        // Without a window manager a full-screen request is not carried out: take the screen's geometry too.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            window.setGeometry(screen->geometry());
        window.showFullScreen();
        window.activateWindow();
        window.grabKeyboard();
    }

    LinuxDrives drives;
    MediaFiles files(drives);
    QtSaverTimer timer;
    ThreadedDecoder decoder;
    SaverShow show(window, timer, decoder,
                   [&files](const QString& zephPath) { return PhotoFolder::find(zephPath, files); });
    show.start(SaverSettings::read(SaverSettings::iniPath(locations.userFolder())));
    return app.exec();
}
