#include <gtest/gtest.h>

#include "catalog/mediafiles.h"
#include "catalog/mediaroots.h"
#include "catalog/rootsearch.h"
#include "fakes/fakedrives.h"
#include "fakes/fakemessages.h"
#include "fakes/fakeprocesses.h"
#include "support/mediatree.h"

namespace {

struct Search : ::testing::Test {
    MediaTree program;
    FakeDrives drives;
    MediaFiles files{drives};
    ErrorState errors;
    FakeMessages messages;
    FakeProcesses processes;
    ErrorReporter reporter{errors, messages, processes};
    MediaRoots roots;
    RootSearch search{roots, files, reporter};

    void SetUp() override { roots.programFolder = program.path(); }
};

}  // namespace

TEST_F(Search, SwitchMakesTheProgramFolderBothRootsWithoutProbing)
{
    EXPECT_TRUE(search.run("HWI"));
    EXPECT_EQ(roots.mediaRoot, program.path());
    EXPECT_EQ(roots.photoRoot, program.path());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Search, SwitchIsExactAndCaseSensitive)
{
    MediaTree disc;
    disc.add("zephanes/53A.JPG");
    drives.letters.insert('E', disc.path());
    EXPECT_TRUE(RootSearch::isSwitch("HWI"));
    EXPECT_FALSE(RootSearch::isSwitch("hwi"));
    EXPECT_FALSE(RootSearch::isSwitch("HWI "));
    EXPECT_FALSE(RootSearch::isSwitch("HWI x"));
    EXPECT_TRUE(search.run("hwi"));
    EXPECT_EQ(roots.mediaRoot, "E:");
}

TEST_F(Search, EarlierDriveWinsAndCIsNeverProbed)
{
    MediaTree c, f, k;
    c.add("zephanes/53A.JPG");
    f.add("ZEPHANES/53A.jpg");
    k.add("zephanes/53A.JPG");
    drives.letters.insert('C', c.path());
    drives.letters.insert('K', k.path());
    drives.letters.insert('F', f.path());
    EXPECT_TRUE(search.run(""));
    EXPECT_EQ(roots.mediaRoot, "F:");
    EXPECT_EQ(roots.photoRoot, "F:");
}

TEST_F(Search, DriveWithoutJpegPhotosDoesNotCount)
{
    MediaTree d, e;
    d.add("zephanes/readme.txt");
    e.add("zephanes/53A.JPG");
    drives.letters.insert('D', d.path());
    drives.letters.insert('E', e.path());
    EXPECT_TRUE(search.run(""));
    EXPECT_EQ(roots.mediaRoot, "E:");
}

TEST_F(Search, PhotoCopyInTheProgramFolderServesPhotosOnly)
{
    MediaTree disc;
    disc.add("zephanes/53A.JPG");
    program.add("zephanes/53A.JPG");
    drives.letters.insert('E', disc.path());
    EXPECT_TRUE(search.run(""));
    EXPECT_EQ(roots.mediaRoot, "E:");
    EXPECT_EQ(roots.photoRoot, program.path());
}

TEST_F(Search, NoMediaReportsEr001AndCancelEnds)
{
    bool splashClosed = false;
    search.setBeforeFailureReport([&] { splashClosed = true; });
    messages.answer({MessageAnswer::Cancel});
    EXPECT_FALSE(search.run(""));
    EXPECT_TRUE(splashClosed);
    EXPECT_TRUE(processes.ended);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().buttons, MessageButtons::RetryCancel);
    EXPECT_TRUE(messages.last().text.startsWith("Error number: ER001\r\n\r\n Unable to detect"));
}

TEST_F(Search, RetryProbesAgainAndFindsTheDiscInsertedMeanwhile)
{
    MediaTree disc;
    messages.onAsk = [&](const MessageRequest&) {
        disc.add("zephanes/53A.JPG");
        drives.letters.insert('G', disc.path());
    };
    messages.answer({MessageAnswer::Retry});
    EXPECT_TRUE(search.run(""));
    EXPECT_EQ(roots.mediaRoot, "G:");
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_FALSE(processes.ended);
}

TEST_F(Search, RetryLoopsUntilCancel)
{
    messages.answer({MessageAnswer::Retry, MessageAnswer::Retry, MessageAnswer::Cancel});
    EXPECT_FALSE(search.run(""));
    EXPECT_EQ(messages.shown.size(), 3u);
    EXPECT_TRUE(processes.ended);
}
