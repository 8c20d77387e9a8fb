#pragma once

#include <functional>

#include <QString>

class QObject;

// The transport buttons of a media control's bar, each reported on its own.
enum class MediaButton { Prev, Next, Play, Pause, Back, Step, Stop };

// A multimedia device control driven by command texts: "close", "open", "play", "stop", "prev". Callers set
// the device type ("WaveAudio" or "AVIVideo") and the file name, then send "open" and "play".
class IMediaDevice {
public:
    virtual ~IMediaDevice() = default;

    virtual void setDeviceType(const QString& deviceType) = 0;
    virtual void setFileName(const QString& path) = 0;
    // The widget video is drawn into (nullptr: none). Sounds ignore it.
    virtual void setDisplayWindow(QObject* window) = 0;

    // Runs one command at once. Returns false when it failed ("open" of a missing or unplayable file, an
    // unknown command); errorText() then says why. "close" never fails.
    virtual bool command(const QString& command) = 0;
    virtual QString errorText() const = 0;
};
