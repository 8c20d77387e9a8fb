#include <gtest/gtest.h>

#include "catalog/mediafiles.h"
#include "catalog/mediaopener.h"
#include "catalog/mediaroots.h"
#include "catalog/rootsearch.h"
#include "fakes/fakedesktop.h"
#include "fakes/fakediscimages.h"
#include "fakes/fakedrives.h"
#include "fakes/fakemessages.h"
#include "fakes/fakeprocesses.h"
#include "support/discimagebytes.h"
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

} // namespace

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

namespace {

// The root search with named and remembered media paths.
struct MediaPathSearch : Search {
    FakeDiscImages images;
    FakeDesktop settings;
    MediaOpener opener{images, settings, files};
    MediaTree elsewhere;

    void SetUp() override
    {
        Search::SetUp();
        search.setOpener(&opener);
    }
    QString remembered() { return settings.settings[MediaOpener::settingKey()]; }
};

} // namespace

TEST_F(MediaPathSearch, NamedFolderReplacesTheDriveProbeAndIsRemembered)
{
    MediaTree disc;
    disc.add("zephanes/53A.JPG");
    drives.letters.insert('E', disc.path());
    elsewhere.add("Disc Copy/Zephanes/53A.JPG");
    search.setRequestedMedia(elsewhere.file("Disc Copy"));
    EXPECT_TRUE(search.run("--media " + elsewhere.file("Disc Copy")));
    EXPECT_EQ(roots.mediaRoot, elsewhere.file("Disc Copy"));
    EXPECT_EQ(roots.photoRoot, roots.mediaRoot);
    EXPECT_EQ(remembered(), elsewhere.file("Disc Copy"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MediaPathSearch, NamedImageIsMountedAndAPhotoCopyStillServesThePhotos)
{
    program.add("zephanes/53A.JPG");
    const QString image = elsewhere.add("disc.iso", fakeIsoBytes());
    elsewhere.add("mnt/ZEPHANES/53A.JPG");
    images.folders[image] = elsewhere.file("mnt");
    search.setRequestedMedia(image);
    EXPECT_TRUE(search.run(image));
    EXPECT_EQ(roots.mediaRoot, elsewhere.file("mnt"));
    EXPECT_EQ(roots.photoRoot, program.path());
    EXPECT_EQ(remembered(), image) << "the image is remembered, not where it was mounted";
}

TEST_F(MediaPathSearch, NamedPathWithoutMediaFailsWithoutErrorCodeBoxOrRemembering)
{
    MediaTree disc;
    disc.add("zephanes/53A.JPG");
    drives.letters.insert('E', disc.path());
    elsewhere.add("photos/holiday.jpg");
    search.setRequestedMedia(elsewhere.file("photos"));
    EXPECT_FALSE(search.run(""));
    EXPECT_TRUE(search.requestFailure().contains("holds no photos"));
    EXPECT_TRUE(search.requestFailure().contains("zephanes"));
    EXPECT_TRUE(messages.shown.empty()) << "the caller says it once, with its own exit status";
    EXPECT_FALSE(processes.ended);
    EXPECT_TRUE(roots.mediaRoot.isEmpty()) << "no fallback to the drive the user did not ask for";
    EXPECT_TRUE(remembered().isEmpty());
}

TEST_F(MediaPathSearch, RememberedPathComesAfterTheDrivesAndBeforeEr001)
{
    elsewhere.add("copy/zephanes/53A.JPG");
    settings.settings[MediaOpener::settingKey()] = elsewhere.file("copy");
    EXPECT_TRUE(search.run(""));
    EXPECT_EQ(roots.mediaRoot, elsewhere.file("copy"));
    EXPECT_TRUE(messages.shown.empty());

    MediaTree disc;
    disc.add("zephanes/53A.JPG");
    drives.letters.insert('Z', disc.path());
    EXPECT_TRUE(search.run(""));
    EXPECT_EQ(roots.mediaRoot, "Z:") << "a drive, even the last letter, wins over the remembered path";
}

TEST_F(MediaPathSearch, RememberedPathThatIsGoneIsSkipped)
{
    settings.settings[MediaOpener::settingKey()] = elsewhere.file("unplugged.iso");
    messages.answer({MessageAnswer::Cancel});
    EXPECT_FALSE(search.run(""));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.last().text.startsWith("Error number: ER001"));
    EXPECT_TRUE(images.requests.isEmpty());
    EXPECT_TRUE(search.requestFailure().isEmpty());
}

TEST_F(MediaPathSearch, RetryLooksAtTheRememberedPathAgain)
{
    const QString image = elsewhere.add("disc.iso", fakeIsoBytes());
    settings.settings[MediaOpener::settingKey()] = image;
    messages.onAsk = [&](const MessageRequest&) {
        // The image's disk is plugged in while the box is up.
        elsewhere.add("mnt/zephanes/53A.JPG");
        images.folders[image] = elsewhere.file("mnt");
    };
    messages.answer({MessageAnswer::Retry});
    EXPECT_TRUE(search.run(""));
    EXPECT_EQ(roots.mediaRoot, elsewhere.file("mnt"));
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(images.requests.size(), 2);
}
