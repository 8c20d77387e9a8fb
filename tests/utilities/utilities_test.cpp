#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include "fakes/fakemainframe.h"
#include "fakes/fakeports.h"
#include "session/session.h"
#include "support/testservices.h"
#include "utils/displaycheck.h"
#include "utils/sysinfo.h"
#include "utils/ui/aboutwindow.h"
#include "utils/ui/utilitiesmodule.h"

namespace {

struct UtilitiesTest : ::testing::Test, TestServices, FakeDevices {
    Ports ports = portsWith(processes, messages, drives);
    Session session{ports, tree.addFolder(QStringLiteral("program"))};
    FakeMainFrame frame;
    UtilitiesModule module{session, ports, frame};

    UtilitiesTest() { session.roots.mediaRoot = tree.addFolder(QStringLiteral("media")); }
};

TEST_F(UtilitiesTest, TheModuleOwnsItsFiveCommands)
{
    for (Command c :
         {Command::HelpContents, Command::Register, Command::About, Command::SysInfo, Command::CheckScreen})
        EXPECT_TRUE(session.commands.has(c)) << int(c);
    EXPECT_FALSE(session.commands.has(Command::Movies));
}

TEST_F(UtilitiesTest, DisplayCheckTextsAtThreeSizes)
{
    const QString longTail = QStringLiteral(
        "\r\n\r\nThe optimum setting for the Zephane Folarium is 800 by 600 pixels.\r\n\r\n"
        "Also, The Zephane Folarium requires that the Small Fonts display setting is selected.\r\n\r\n"
        "To change your resolution and font size settings perform the following steps:\r\n"
        "    1)  Click the right mouse button while the cursor is on the Windows desktop.\r\n"
        "    2)  Select the Properties option from the window that will be displayed.\r\n"
        "    3)  Select the Settings tab.\r\n"
        "    4)  Adjust the Screen area Slide control to 800x600.\r\n"
        "    5)  You may also want to set the Colors to the highest level allowed by your\r\n"
        "         graphics card.\r\n"
        "    6)  To change the font size setting:\r\n"
        "          Click the Advanced button on the bottom right of the above window.\r\n"
        "          Select Small Fonts from the font size drop-down list box.\r\n\r\n"
        "You may now have to re-start your computer for the new settings to take affect.\r\n");
    struct Case {
        int w, h;
        QString text;
        MessageIcon icon;
    };
    const Case cases[] = {
        {800, 600,
         QStringLiteral("Your current screen resolution is set at 800x600.\r\n\r\n"
                        "This is the optimum setting for the Zephane Folarium!"),
         MessageIcon::None},
        {801, 600, QStringLiteral("Your current screen resolution is set at  801 by 600 pixles.") + longTail,
         MessageIcon::Warning},
        {1024, 768,
         QStringLiteral("Your current screen resolution is set at  1024 by 768 pixles.") + longTail,
         MessageIcon::Warning},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.w);
        screen.width = c.w;
        screen.height = c.h;
        messages.shown.clear();
        ASSERT_TRUE(session.commands.run(Command::CheckScreen));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.last().text, c.text);
        EXPECT_EQ(messages.last().icon, c.icon);
        // the long message's indented steps are shown line by line as written
        EXPECT_EQ(messages.last().preformatted, c.icon == MessageIcon::Warning);
        EXPECT_EQ(messages.last().buttons, MessageButtons::Ok);
        EXPECT_TRUE(messages.last().title.isEmpty());
    }
}

TEST_F(UtilitiesTest, SysInfoStartsTheSettingsPathWithoutTheBlanksAroundIt)
{
    desktop.settings[SysInfo::settingsKey()] = QStringLiteral("  /opt/tools/sysinfo \t");
    session.commands.run(Command::SysInfo);
    ASSERT_EQ(desktop.started.size(), 1u);
    EXPECT_EQ(desktop.started.front(), QStringList{QStringLiteral("/opt/tools/sysinfo")});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(UtilitiesTest, SysInfoTakesTheSettingsPathWithoutSearchingThePath)
{
    desktop.settings[SysInfo::settingsKey()] = QStringLiteral("/opt/tools/sysinfo");
    desktop.onPath[QStringLiteral("kinfocenter")] = QStringLiteral("/usr/bin/kinfocenter");
    session.commands.run(Command::SysInfo);
    ASSERT_EQ(desktop.started.size(), 1u);
    EXPECT_EQ(desktop.started.front(), QStringList{QStringLiteral("/opt/tools/sysinfo")});
    EXPECT_EQ(desktop.calls, QStringList{QStringLiteral("setting:SystemInfo/Program")});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(UtilitiesTest, SysInfoSearchesThePathInOrderAfterTheSettings)
{
    desktop.onPath[QStringLiteral("gnome-system-monitor")] = QStringLiteral("/usr/bin/gnome-system-monitor");
    desktop.onPath[QStringLiteral("mate-system-monitor")] = QStringLiteral("/usr/bin/mate-system-monitor");
    session.commands.run(Command::SysInfo);
    ASSERT_EQ(desktop.started.size(), 1u);
    EXPECT_EQ(desktop.started.front().front(), QStringLiteral("/usr/bin/gnome-system-monitor"));
    ASSERT_FALSE(desktop.calls.isEmpty());
    EXPECT_EQ(desktop.calls.front(), QStringLiteral("setting:SystemInfo/Program"));
    EXPECT_FALSE(desktop.calls.contains(QStringLiteral("path:mate-system-monitor")))
        << "the search stops at the first program found";
}

TEST_F(UtilitiesTest, SysInfoUnavailableWhenNothingIsFoundOrItCannotStart)
{
    for (bool found : {false, true}) {
        SCOPED_TRACE(found);
        messages.shown.clear();
        if (found) {
            desktop.onPath[QStringLiteral("hardinfo")] = QStringLiteral("/usr/bin/hardinfo");
            desktop.failStarts = true;
        }
        session.commands.run(Command::SysInfo);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.last().text, QStringLiteral("System Information Is Unavailable At This Time"));
        EXPECT_TRUE(messages.last().title.isEmpty());
        EXPECT_EQ(messages.last().buttons, MessageButtons::Ok);
    }
}

TEST_F(UtilitiesTest, AboutStandsByTheMainWindowsSizeNotItsPosition)
{
    QPoint at;
    QString title = QStringLiteral("unset");
    module.setRunModal([&](QDialog& d) {
        at = d.pos();
        title = d.windowTitle();
        EXPECT_EQ(d.objectName(), QStringLiteral("frmAbout"));
        static_cast<AboutWindow&>(d).okButton()->click();
    });
    for (const QPoint mainAt : {QPoint(0, 0), QPoint(150, 90)}) {
        frame.widget.move(mainAt);
        frame.widget.resize(800, 560);
        ASSERT_TRUE(session.commands.run(Command::About));
        EXPECT_EQ(at, QPoint((800 - 420) / 2, (560 - 300) / 2));
        EXPECT_TRUE(title.isEmpty());
    }
    frame.widget.resize(640, 480);
    session.commands.run(Command::About);
    EXPECT_EQ(at, QPoint((640 - 420) / 2, (480 - 300) / 2));
}

TEST_F(UtilitiesTest, AboutShowsTheTitleInThreePanels)
{
    AboutWindow about;
    const auto text = [&](const char* name) {
        auto* l = about.findChild<QLabel*>(QLatin1String(name));
        return l ? l->text() : QStringLiteral("<missing>");
    };
    EXPECT_EQ(text("SSPanel5"), QStringLiteral("The"));
    EXPECT_EQ(text("SSPanel1"), QStringLiteral("Zephane Folarium  "));
    EXPECT_EQ(text("SSPanel4"), QStringLiteral("2000"));
    EXPECT_FALSE(text("panVornic").isEmpty());
    EXPECT_FALSE(text("SSPanel2").isEmpty());
    EXPECT_EQ(about.okButton()->text(), QStringLiteral("OK"));
}

TEST_F(UtilitiesTest, TheRegistrationNoticeHasItsLines)
{
    session.commands.run(Command::Register);
    ASSERT_EQ(messages.shown.size(), 1u);
    const QStringList lines = messages.last().text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("You may register the Zephane Folarium 2000 on-line at:"));
    EXPECT_TRUE(lines[1].isEmpty());
    EXPECT_TRUE(lines[2].startsWith(QString(20, QLatin1Char(' ')) + QStringLiteral("www.example.")));
    EXPECT_FALSE(lines[2].startsWith(QString(21, QLatin1Char(' '))));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("/register ")));
    EXPECT_TRUE(lines[3].isEmpty());
    EXPECT_EQ(
        lines[4],
        QStringLiteral("By registering, you will receive discount notices for updates to this software"));
    EXPECT_EQ(messages.last().icon, MessageIcon::Information);
    EXPECT_TRUE(messages.last().title.isEmpty());
}

TEST_F(UtilitiesTest, HelpContentsOpensTheProgramFoldersCopyFirstThenTheMediaRoots)
{
    const QString inMedia = tree.add(QStringLiteral("media/zephane2000.hlp"));
    desktop.handled = {inMedia};
    session.commands.run(Command::HelpContents);
    EXPECT_EQ(desktop.opened, QStringList{inMedia});
    EXPECT_TRUE(messages.shown.empty());

    const QString inProgram = tree.add(QStringLiteral("program/Zephane2000.HLP"));
    session.files.clearCache();
    desktop.handled.insert(inProgram);
    desktop.opened.clear();
    session.commands.run(Command::HelpContents);
    EXPECT_EQ(desktop.opened, QStringList{inProgram});
}

TEST_F(UtilitiesTest, HelpContentsNamesTheFileAndWhereItLookedWhenNothingOpensIt)
{
    const QString inProgram = tree.add(QStringLiteral("program/Zephane2000.HLP")); // no handler for it
    session.commands.run(Command::HelpContents);
    EXPECT_EQ(desktop.opened, QStringList{inProgram});
    ASSERT_EQ(messages.shown.size(), 1u);
    const QString text = messages.last().text;
    EXPECT_TRUE(text.contains(QStringLiteral("Zephane2000.HLP")));
    EXPECT_TRUE(text.contains(tree.file(QStringLiteral("program"))));
    EXPECT_TRUE(text.contains(tree.file(QStringLiteral("media"))));
}

TEST_F(UtilitiesTest, HelpContentsAsksTheDesktopOnceAndTheProgramGoesOnWhileItAnswers)
{
    const QString inProgram = tree.add(QStringLiteral("program/Zephane2000.HLP"));
    tree.add(QStringLiteral("media/Zephane2000.HLP"));
    desktop.deferHandlerAnswers = true; // a desktop that takes its time; neither copy has a handler

    session.commands.run(Command::HelpContents);
    EXPECT_EQ(desktop.opened, QStringList{inProgram}) << "one question, about the first copy";
    EXPECT_TRUE(messages.shown.empty()) << "the command returned before the desktop answered";
    session.commands.run(Command::HelpContents); // pressed again while waiting
    EXPECT_EQ(desktop.opened.size(), 1);

    desktop.answerNextHandlerQuery();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("Zephane2000.HLP")));
    EXPECT_TRUE(desktop.pendingAnswers.empty());

    // the next request asks again
    session.commands.run(Command::HelpContents);
    EXPECT_EQ(desktop.opened.size(), 2);
}

TEST_F(UtilitiesTest, HelpContentsInTheProgramFolderModeLooksInThatFolderOnce)
{
    session.roots.mediaRoot = session.roots.programFolder; // the "HWI" switch
    session.commands.run(Command::HelpContents);
    EXPECT_TRUE(desktop.opened.isEmpty());
    ASSERT_EQ(messages.shown.size(), 1u);
    const QString text = messages.last().text;
    EXPECT_EQ(text.count(QStringLiteral("Zephane2000.HLP")), 1) << text.toStdString();
    EXPECT_EQ(text.count(session.roots.programFolder), 1) << text.toStdString();

    const QString inProgram = tree.add(QStringLiteral("program/Zephane2000.HLP")); // no handler for it
    session.files.clearCache();
    session.commands.run(Command::HelpContents);
    EXPECT_EQ(desktop.opened, QStringList{inProgram});
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.last().text.count(session.roots.programFolder), 1);
}

} // namespace
