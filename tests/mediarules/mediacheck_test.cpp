#include <gtest/gtest.h>

#include "catalog/mediacheck.h"
#include "catalog/mediafiles.h"
#include "fakes/fakedrives.h"
#include "support/mediatree.h"

namespace {

struct Check : ::testing::Test {
    MediaTree media;
    MediaTree program;
    FakeDrives drives;
    MediaFiles files{drives};

    QStringList run() { return checkMedia(files, media.path(), program.path()).text(); }
};

}  // namespace

TEST_F(Check, EmptyTreeMissesEveryRequiredFileAndEveryPhoto)
{
    const MediaCheckReport r = checkMedia(files, media.path(), program.path());
    EXPECT_EQ(r.ok, 0);
    EXPECT_EQ(r.missing + r.optionalMissing, int(mediarules::expectedFiles().size()));
    EXPECT_EQ(r.exitCode(), 1);
    EXPECT_EQ(r.entriesWithoutPhoto.size(), 47 + 36);
    const QStringList text = r.text();
    EXPECT_TRUE(text.contains("missing media richtext/53desc.rtf"));
    EXPECT_TRUE(text.contains("missing program Zephane2000.scr"));
    EXPECT_TRUE(text.contains("optional-missing program Zephane2000.HLP"));
    EXPECT_TRUE(text.contains("optional-missing media richtext/nostalgia63.rtf"));
    EXPECT_TRUE(text.contains("missing media richtext/nostalgia56.rtf"));
    EXPECT_TRUE(text.contains("no-photo Miscellany "));
    EXPECT_TRUE(text.contains("no-photo 2000"));
    EXPECT_EQ(text.last(),
              QStringLiteral("0 ok, %1 missing, %2 optional-missing").arg(r.missing).arg(r.optionalMissing));
}

TEST_F(Check, FindsFilesWhateverTheirCaseAndReadsPhotoCaptions)
{
    media.add("RICHTEXT/53DESC.RTF");
    program.add("GRAPHICS/z5emblem.JPG");
    media.add("zephanes/a0a.jpg");            // the index upper-cases names: a photo of 2000
    media.add("zephanes/GAA.JPG");            // an art print whose statistics are per-photo texts
    media.add("zephanes/TCA.JPG");            // calendars: no per-photo text
    media.add("RICHTEXT/gaa.RTF");
    const QStringList text = run();
    EXPECT_TRUE(text.contains("ok media richtext/53desc.rtf"));
    EXPECT_TRUE(text.contains("ok program graphics/Z5EMBLEM.jpg"));
    EXPECT_TRUE(text.contains("ok media richtext/GAA.rtf"));
    EXPECT_FALSE(text.filter("TCA.rtf").size());
    EXPECT_FALSE(text.contains("no-photo 2000"));
    EXPECT_FALSE(text.contains("no-photo Mirra Santore Art Print "));
    EXPECT_TRUE(text.contains("no-photo 1999"));
}

TEST_F(Check, ProgramFilesAreLookedUpInTheProgramFolderOnly)
{
    media.add("Zephane2000.scr");
    program.add("richtext/intro.rtf");
    const QStringList text = run();
    EXPECT_TRUE(text.contains("missing program Zephane2000.scr"));
    EXPECT_TRUE(text.contains("missing media richtext/intro.rtf"));
}

TEST_F(Check, NothingRequiredMissingExitsZero)
{
    for (const mediarules::ExpectedFile& f : mediarules::expectedFiles())
        if (!f.optional)
            (f.path.root == mediarules::Root::Program ? program : media).add(f.path.slashPath());
    const MediaCheckReport r = checkMedia(files, media.path(), program.path());
    EXPECT_EQ(r.missing, 0);
    EXPECT_EQ(r.exitCode(), 0);
    EXPECT_GT(r.optionalMissing, 0);
}
