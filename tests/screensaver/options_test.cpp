#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "saveroptions.h"

using Mode = SaverOptions::Mode;

TEST(SaverOptions, EachWayXScreenSaverOrAPersonStartsIt)
{
    struct Case {
        QStringList args;
        QString env; // $XSCREENSAVER_WINDOW
        Mode mode;
        unsigned long long window;
    };
    const QList<Case> cases = {
        {{}, "", Mode::FullScreen, 0},
        {{"-root"}, "", Mode::Root, 0},
        {{"-root"}, "0x1c00007", Mode::Embed, 0x1c00007}, // XScreenSaver: -root plus its window
        {{}, "0x1c00007", Mode::Embed, 0x1c00007},
        {{}, " 12345 ", Mode::Embed, 12345},
        {{}, "junk", Mode::FullScreen, 0},
        {{"-window-id", "0x2a"}, "0x1c00007", Mode::Embed, 0x2a}, // the option names the window
        {{"--window-id", "42"}, "", Mode::Embed, 42},
        {{"-window"}, "0x1c00007", Mode::Window, 0},
        {{"--settings"}, "", Mode::Settings, 0},
        {{"-root", "--help"}, "", Mode::Help, 0},
        {{"--version"}, "", Mode::Version, 0},
        {{"--fullscreen"}, "", Mode::Usage, 0},
        {{"/s"}, "", Mode::Usage, 0},
        {{"-window-id"}, "", Mode::Usage, 0},
        {{"-window-id", "0"}, "", Mode::Usage, 0},
        {{"-window-id", "zz"}, "", Mode::Usage, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.args.join(' ') + " / " + c.env));
        const SaverOptions o = SaverOptions::parse(c.args, c.env);
        EXPECT_EQ(o.mode, c.mode);
        EXPECT_EQ(o.windowId, c.window);
        EXPECT_EQ(o.mode == Mode::Usage, !o.error.isEmpty());
    }
    EXPECT_TRUE(SaverOptions::usage().contains("-window-id"));
}

TEST(SaverSettingsOutput, NamesEachFolderForWhatItHolds)
{
    // The screen saver itself, from the build tree: a missing program is a failure, not a skip.
    const QString saver = QCoreApplication::applicationDirPath() + QStringLiteral("/../zephane-screensaver");
    ASSERT_TRUE(QFileInfo(saver).isExecutable()) << saver.toStdString();
    QTemporaryDir xdg;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), xdg.path());
    env.remove(QStringLiteral("ZEPHANE_PROGRAM_DIR"));
    p.setProcessEnvironment(env);
    p.start(saver, {QStringLiteral("--settings")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QStringList lines = QString::fromLocal8Bit(p.readAllStandardOutput()).split(QLatin1Char('\n'));
    const QString program = QFileInfo(saver).absolutePath();
    const QString user = xdg.path() + QStringLiteral("/zephane-folarium");
    EXPECT_TRUE(lines.contains(QStringLiteral("program folder: ") + program))
        << lines.join('|').toStdString();
    // A build tree keeps its copies beside the program; the settings live in the per-user folder.
    EXPECT_TRUE(lines.contains(QStringLiteral("copies folder: ") + program)) << lines.join('|').toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("per-user folder: ") + user)) << lines.join('|').toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("settings: ") + user + QStringLiteral("/Zephane2000.ini")));
}
