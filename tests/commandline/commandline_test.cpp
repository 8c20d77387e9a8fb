#include <gtest/gtest.h>

#include "session/commandline.h"

using Action = CommandLine::Action;

TEST(CommandLine, UnknownDoubleDashOptionsAreRefusedAndEverythingElseKeepsItsMeaning)
{
    const auto isMode = [](const QString& a) { return a == "--check-media" || a == "--rtf-text"; };
    struct Case {
        QStringList args;
        Action action;
    };
    const QList<Case> cases = {
        {{}, Action::Run},
        {{"HWI"}, Action::Run},
        {{"hwi"}, Action::Run}, // not the switch, but a normal start as always
        {{"HWI", "extra"}, Action::Run},
        {{"-x"}, Action::Run}, // a single dash is no option of ours
        {{"--help"}, Action::Help},
        {{"HWI", "--help"}, Action::Help},
        {{"--version"}, Action::Version},
        {{"--check-media", "/media/cd", "--program-folder", "/x"}, Action::Mode},
        {{"--rtf-text", "--help"}, Action::Mode}, // the mode judges its own arguments
        {{"--fullscreen"}, Action::Usage},
        {{"HWI", "--verbose"}, Action::Usage},
        {{"--"}, Action::Usage},
        {{"--HELP"}, Action::Usage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.args.join(' ')));
        const CommandLine d = CommandLine::decide(c.args, isMode);
        EXPECT_EQ(d.action, c.action);
        EXPECT_EQ(d.action == Action::Usage, !d.error.isEmpty());
    }
    EXPECT_TRUE(CommandLine::decide({"--fullscreen"}, isMode).error.contains("--fullscreen"));
    EXPECT_EQ(CommandLine::decide({"--x"}, nullptr).action, Action::Usage);
}

TEST(CommandLine, HelpListsEveryModeAndTheEnvironment)
{
    const QString help = CommandLine::helpText({"--check-media ROOT", "--rtf-text IN.rtf"});
    for (const char* part : {"[HWI]", "--check-media ROOT", "--rtf-text IN.rtf", "--version",
                             "ZEPHANE_PROGRAM_DIR", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
        EXPECT_TRUE(help.contains(part)) << part;
    EXPECT_TRUE(CommandLine::versionText().startsWith("zephane-folarium 2000"));
}
