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
