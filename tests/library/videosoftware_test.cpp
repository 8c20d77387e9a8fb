#include <QPushButton>

#include "catalog/errorcodes.h"
#include "libraryfixture.h"
#include "viewers/ui/librarymodule.h"
#include "viewers/ui/moviewindow.h"
#include "viewers/videosoftware.h"

namespace {

const QString kHelper = QStringLiteral("/usr/libexec/gst-install-plugins-helper");

struct VideoSoftwareTest : LibraryFixture {
    RecordingViewer viewer{session->documents};
    LibraryModule module{*session, ports, frame, viewer};
};

TEST_F(VideoSoftwareTest, TheQuestionIsAskedAsWrittenAndNoDoesNothing)
{
    ASSERT_TRUE(session->commands.run(Command::InstallVideo));
    ASSERT_EQ(messages.shown.size(), 1u);
    const MessageRequest& q = messages.last();
    EXPECT_EQ(q.text,
              QStringLiteral("If you are experiencing difficulties running the Zephane movies,\r\nyou may "
                             "need to install the Intel Indeo Video Software.\r\n\r\nWould you like to "
                             "install this software now?"));
    EXPECT_EQ(q.icon, MessageIcon::Question);
    EXPECT_EQ(q.buttons, MessageButtons::YesNo);
    EXPECT_TRUE(q.title.isEmpty());
    EXPECT_TRUE(processes.started.empty());
    EXPECT_TRUE(frame.enables.empty());
}

TEST_F(VideoSoftwareTest, YesRunsTheCodecHelperWithTheMainWindowDisabled)
{
    desktop.executables.insert(kHelper);
    messages.answer({MessageAnswer::Yes});
    std::vector<bool> enabledWhileRunning;
    processes.exitCodes = {0};
    session->commands.run(Command::InstallVideo);
    ASSERT_EQ(processes.started.size(), 1u);
    const QStringList run = processes.started.front();
    EXPECT_EQ(run.front(), kHelper);
    EXPECT_EQ(run.mid(1), VideoSoftware::decoderDetails());
    for (const QString& detail : run.mid(1))
        EXPECT_TRUE(detail.startsWith(QStringLiteral("gstreamer|1.0|"))) << detail.toStdString();
    EXPECT_EQ(frame.enables, (std::vector<bool>{false, true}));
    EXPECT_EQ(messages.shown.size(), 1u) << "no report after a helper that ran";
}

TEST_F(VideoSoftwareTest, TheHelperNamedByTheEnvironmentWins)
{
    desktop.env[QStringLiteral("GST_INSTALL_PLUGINS_HELPER")] = QStringLiteral("/opt/helper");
    desktop.executables = {QStringLiteral("/opt/helper"), kHelper};
    messages.answer({MessageAnswer::Yes});
    session->commands.run(Command::InstallVideo);
    ASSERT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(processes.started.front().front(), QStringLiteral("/opt/helper"));
}

TEST_F(VideoSoftwareTest, AChosenHelperThatCannotRunIsReportedAndTheDefaultIsNotTried)
{
    desktop.env[QStringLiteral("GST_INSTALL_PLUGINS_HELPER")] =
        QStringLiteral("/opt/helper"); // not executable
    desktop.executables = {kHelper};
    messages.answer({MessageAnswer::Yes});
    session->commands.run(Command::InstallVideo);
    EXPECT_TRUE(processes.started.empty()) << "another helper ran than the one the user chose";
    EXPECT_EQ(session->errors.code, errc::kVideoInstaller);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("Error number: ") + errc::kVideoInstaller));
}

TEST_F(VideoSoftwareTest, NoHelperOrOneThatCannotStartReportsER003)
{
    struct Case {
        bool helperPresent;
        int exitCode;
    };
    for (const Case c : {Case{false, 0}, Case{true, -1}}) {
        SCOPED_TRACE(c.helperPresent);
        desktop.executables.clear();
        if (c.helperPresent)
            desktop.executables.insert(kHelper);
        processes.started.clear();
        processes.exitCodes = {c.exitCode};
        messages.shown.clear();
        messages.answer({MessageAnswer::Yes});
        session->commands.run(Command::InstallVideo);
        EXPECT_EQ(processes.started.size(), c.helperPresent ? 1u : 0u);
        EXPECT_EQ(session->errors.code, errc::kVideoInstaller);
        ASSERT_EQ(messages.shown.size(), 2u);
        EXPECT_TRUE(
            messages.last().text.startsWith(QStringLiteral("Error number: ") + errc::kVideoInstaller));
    }
}

TEST_F(VideoSoftwareTest, FromTheMovieWindowTheMainWindowStaysDisabled)
{
    module.setRunModal([](QDialog& d) { d.show(); });
    desktop.executables.insert(kHelper);
    session->commands.run(Command::Movies);
    frame.enables.clear();
    messages.answer({MessageAnswer::Yes});
    module.movieWindow()->helpButton()->click();
    EXPECT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(frame.enables, std::vector<bool>{false});
    module.movieWindow()->reject();
    EXPECT_TRUE(frame.enabled);
}

} // namespace
