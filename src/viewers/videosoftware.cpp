#include "viewers/videosoftware.h"

#include "catalog/errorcodes.h"
#include "catalog/errorreporter.h"
#include "platform/desktop.h"
#include "platform/messages.h"
#include "platform/processes.h"

namespace {
const QString kHelperVariable = QStringLiteral("GST_INSTALL_PLUGINS_HELPER");
// Where Debian's gstreamer1.0-packagekit (and most distributions) install the helper.
const QStringList kHelperPlaces = {QStringLiteral("/usr/libexec/gst-install-plugins-helper"),
                                   QStringLiteral("/usr/lib/gst-install-plugins-helper")};
} // namespace

VideoSoftware::VideoSoftware(IMessages& messages, IProcesses& processes, const IDesktop& desktop,
                             ErrorReporter& reporter, std::function<void(bool enabled)> setMainWindowEnabled)
    : m_messages(messages), m_processes(processes), m_desktop(desktop), m_reporter(reporter),
      m_setMainWindowEnabled(std::move(setMainWindowEnabled))
{
}

QString VideoSoftware::question()
{
    return QStringLiteral("If you are experiencing difficulties running the Zephane movies,\r\n"
                          "you may need to install the Intel Indeo Video Software.\r\n\r\n"
                          "Would you like to install this software now?");
}

QStringList VideoSoftware::decoderDetails()
{
    const QString head = QStringLiteral("gstreamer|1.0|zephane-folarium|");
    return {head + QStringLiteral("AVI demuxer|decoder-video/x-msvideo"),
            head + QStringLiteral("Motion JPEG decoder|decoder-image/jpeg"),
            head + QStringLiteral("Indeo Video 5 decoder|decoder-video/x-indeo, indeoversion=(int)5")};
}

QString VideoSoftware::helperPath() const
{
    const QString chosen = m_desktop.environment(kHelperVariable);
    if (!chosen.isEmpty())
        return m_desktop.isExecutable(chosen) ? chosen : QString();
    for (const QString& place : kHelperPlaces)
        if (m_desktop.isExecutable(place))
            return place;
    return {};
}

VideoSoftware::Outcome VideoSoftware::run(bool keepMainWindowDisabled)
{
    m_reporter.state().code = errc::kVideoInstaller;
    MessageRequest ask;
    ask.text = question();
    ask.icon = MessageIcon::Question;
    ask.buttons = MessageButtons::YesNo;
    if (m_messages.ask(ask) != MessageAnswer::Yes)
        return Outcome::Declined;

    const QString helper = helperPath();
    if (helper.isEmpty()) {
        m_reporter.report(errc::kVideoInstaller);
        return Outcome::Failed;
    }
    if (m_setMainWindowEnabled)
        m_setMainWindowEnabled(false);
    const int exitCode = m_processes.runAndWait(helper, decoderDetails());
    if (m_setMainWindowEnabled && !keepMainWindowDisabled)
        m_setMainWindowEnabled(true);
    if (exitCode == -1) {
        // The reporter makes the main window usable again.
        m_reporter.report(errc::kVideoInstaller);
        return Outcome::Failed;
    }
    return Outcome::Ran;
}
