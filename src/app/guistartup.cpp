#include "app/guistartup.h"

#include <QApplication>

#include "app/program.h"
#include "catalog/programlocations.h"
#include "platform/qt/linuxdiscimages.h"
#include "platform/qt/qtports.h"
#include "platform/qt/terminationwatch.h"

int runGui(QApplication& app, const QString& commandLine, const QString& mediaPath, bool askOnBadMedia,
           const std::function<void(Program&)>& started)
{
    // Qt's FFmpeg media backend crashes on machines without a sound device; GStreamer plays silently.
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");

    QtPorts real;
    // Declared before the program, so that a mounted disc image goes only after every file of it is closed.
    const std::unique_ptr<LinuxDiscImages> images = LinuxDiscImages::forDesktop();
    real.processes.setAtEnd([&images] { images->releaseAll(); });
    // A logout or a closed terminal ends the program as its own Exit does, mounts released.
    const TerminationWatch watch([&real] { real.processes.endProgramNow(0); });

    const ProgramLocations places(ProgramLocations::fromProcess());
    Program program(real.ports, places.programFolder(), images.get());
    places.fill(program.session().roots);
    if (!program.start(commandLine, mediaPath, askOnBadMedia))
        return 0;
    // Mounts of runs that died and were not taken over by this start.
    images->releaseLeftovers();
    if (started)
        started(program);
    return app.exec();
}
