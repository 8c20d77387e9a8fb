#include <gtest/gtest.h>

#include "catalog/mediaroots.h"
#include "catalog/programlocations.h"
#include "support/mediatree.h"

namespace {

ProgramLocations::Environment env(const QString& exe, const QString& over = {}, const QString& data = {},
                                  const QString& home = QStringLiteral("/home/ann"))
{
    return {exe, over, data, home};
}

} // namespace

TEST(ProgramLocations, ABuildTreeOrPortableCopyKeepsEverythingBesideTheExecutable)
{
    MediaTree tree;
    tree.add("build/zephane-folarium");
    tree.add("build/Zephane2000.scr");
    const ProgramLocations at(env(tree.file("build/")));
    EXPECT_FALSE(at.installed());
    EXPECT_EQ(at.programFolder(), tree.file("build"));
    EXPECT_EQ(at.programDataFolder(), tree.file("build"));
    EXPECT_EQ(at.userFolder(), "/home/ann/.local/share/zephane-folarium");

    MediaRoots roots;
    roots.programDataFolder = "stale";
    at.fill(roots);
    EXPECT_EQ(roots.programFolder, tree.file("build"));
    EXPECT_EQ(roots.dataFolder(), tree.file("build"));

    // A portable copy in a folder called bin, but with no installed program folder beside it.
    tree.add("portable/bin/zephane-folarium");
    EXPECT_FALSE(ProgramLocations(env(tree.file("portable/bin"))).installed());
}

TEST(ProgramLocations, InstalledUnderAPrefixReadsItsLibFolderAndWritesPerUser)
{
    MediaTree prefix;
    prefix.add("bin/zephane-folarium");
    prefix.add("lib/zephane-folarium/Zephane2000.scr");
    const ProgramLocations at(env(prefix.file("bin"), {}, "/tmp/xdg-data"));
    EXPECT_TRUE(at.installed());
    EXPECT_EQ(at.programFolder(), prefix.file("lib/zephane-folarium"));
    EXPECT_EQ(at.programDataFolder(), "/tmp/xdg-data/zephane-folarium");
    EXPECT_EQ(at.userFolder(), "/tmp/xdg-data/zephane-folarium");

    MediaRoots roots;
    at.fill(roots);
    EXPECT_EQ(roots.programFolder, prefix.file("lib/zephane-folarium"));
    EXPECT_EQ(roots.dataFolder(), "/tmp/xdg-data/zephane-folarium");

    // The screen-saver program is architecture-specific: under share it does not count as an installation.
    MediaTree shareOnly;
    shareOnly.add("bin/zephane-folarium");
    shareOnly.add("share/zephane-folarium/Zephane2000.scr");
    EXPECT_FALSE(ProgramLocations(env(shareOnly.file("bin"))).installed());

    // XDG_DATA_HOME unset or relative (invalid): the home folder's default.
    EXPECT_EQ(ProgramLocations(env(prefix.file("bin"), {}, "relative/dir")).programDataFolder(),
              "/home/ann/.local/share/zephane-folarium");
}

TEST(ProgramLocations, ZephaneProgramDirOverridesEitherLayout)
{
    MediaTree prefix;
    prefix.add("bin/zephane-folarium");
    prefix.add("lib/zephane-folarium/Zephane2000.scr");
    const ProgramLocations at(env(prefix.file("bin"), prefix.file("demo//"), "/tmp/xdg-data"));
    EXPECT_FALSE(at.installed());
    EXPECT_EQ(at.programFolder(), prefix.file("demo"));
    EXPECT_EQ(at.programDataFolder(), prefix.file("demo"));
    EXPECT_EQ(at.userFolder(), "/tmp/xdg-data/zephane-folarium"); // the screen saver's settings stay per user
}
