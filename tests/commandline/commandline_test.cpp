#include <gtest/gtest.h>

#include <QDir>

#include "session/commandline.h"
#include "support/mediatree.h"

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
    for (const char* part : {"[HWI | --media PATH | PATH]", "--check-media ROOT", "--rtf-text IN.rtf",
                             "--version", "ZEPHANE_PROGRAM_DIR", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
        EXPECT_TRUE(help.contains(part)) << part;
    EXPECT_TRUE(CommandLine::versionText().startsWith("zephane-folarium 2000"));
}

TEST(CommandLine, MediaPathIsNamedByTheOptionOrGivenAloneAsAFileManagerPassesIt)
{
    MediaTree place;
    place.add("disc.iso");
    struct Case {
        QStringList args;
        Action action;
        QString media;
    };
    const QString image = place.file("disc.iso");
    const QList<Case> cases = {
        {{"--media", image}, Action::Run, image},
        {{"--media=" + image}, Action::Run, image},
        {{"--media", "relative/dir"}, Action::Run, "relative/dir"},
        {{image}, Action::Run, image},                             // Exec=zephane-folarium %f
        {{"/no/such/disc.iso"}, Action::Run, "/no/such/disc.iso"}, // reported by the start-up, not ignored
        {{"hwi"}, Action::Run, ""}, // a word that names nothing keeps its old meaning
        {{"HWI"}, Action::Run, ""},
        {{image, "HWI"}, Action::Run, ""},
        {{"--media"}, Action::Usage, ""},
        {{"--media="}, Action::Usage, ""},
        {{"--media", ""}, Action::Usage, ""},
        {{"--media", image, "--media", image}, Action::Usage, ""},
        {{"--media", image, "--verbose"}, Action::Usage, ""},
        {{"--media", image, "--help"}, Action::Help, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.args.join(' ')));
        const CommandLine d = CommandLine::decide(c.args, nullptr);
        EXPECT_EQ(d.action, c.action);
        EXPECT_EQ(d.mediaPath, c.media);
    }
    // Only a path given alone, as a file manager passes it, is also shown in a message box when it is bad;
    // after --media a script gets its status at once.
    EXPECT_TRUE(CommandLine::decide({image}, nullptr).mediaFromDesktop);
    EXPECT_FALSE(CommandLine::decide({"--media", image}, nullptr).mediaFromDesktop);
    EXPECT_FALSE(CommandLine::decide({"--media=" + image}, nullptr).mediaFromDesktop);
    EXPECT_TRUE(CommandLine::decide({"--media"}, nullptr).error.contains("folder or a disc image"));
    // A relative path alone counts when it names something.
    const QString before = QDir::currentPath();
    QDir::setCurrent(place.path());
    EXPECT_EQ(CommandLine::decide({"disc.iso"}, nullptr).mediaPath, "disc.iso");
    QDir::setCurrent(before);
}
