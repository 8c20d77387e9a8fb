#pragma once

#include <functional>

#include <QString>
#include <QStringList>

class ErrorReporter;
class IDesktop;
class IMessages;
class IProcesses;

// InstallVideoSoftware: asks whether to install the video decoders the movies need and, on Yes, runs the
// desktop's codec installer (GStreamer's plugin installer helper) and waits for it with the main window
// disabled.
class VideoSoftware {
public:
    enum class Outcome { Declined, Ran, Failed };

    VideoSoftware(IMessages& messages, IProcesses& processes, const IDesktop& desktop,
                  ErrorReporter& reporter, std::function<void(bool enabled)> setMainWindowEnabled);

    static QString question();
    // The installer detail strings of the decoders the movies need (AVI container, Motion JPEG, Indeo 5).
    static QStringList decoderDetails();
    // The helper GStreamer itself would run: $GST_INSTALL_PLUGINS_HELPER, else the distribution's place.
    // Empty when there is none.
    QString helperPath() const;

    // keepMainWindowDisabled: asked from a window that keeps the main window disabled itself.
    Outcome run(bool keepMainWindowDisabled = false);

private:
    IMessages& m_messages;
    IProcesses& m_processes;
    const IDesktop& m_desktop;
    ErrorReporter& m_reporter;
    std::function<void(bool)> m_setMainWindowEnabled;
};
