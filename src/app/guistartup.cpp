#include "app/guistartup.h"

#include <QApplication>

#include "app/program.h"
#include "catalog/programlocations.h"
#include "platform/qt/qtports.h"

int runGui(QApplication& app, const QString& commandLine, const std::function<void(Program&)>& started)
{
    // Qt's FFmpeg media backend crashes on machines without a sound device; GStreamer plays silently.
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");

    QtPorts real;
    const ProgramLocations places(ProgramLocations::fromProcess());
    Program program(real.ports, places.programFolder());
    places.fill(program.session().roots);
    if (!program.start(commandLine))
        return 0;
    if (started)
        started(program);
    return app.exec();
}
