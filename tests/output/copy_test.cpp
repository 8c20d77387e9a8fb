// Copying the disc's photos and movies to the hard disk, and removing them again.
#include <QFile>

#include "catalog/errorcodes.h"
#include "output/blockcopier.h"
#include "output/copytexts.h"
#include "outputfixture.h"

using copytexts::formatF;

TEST(CopyTexts, FormatFGroupsDigitsAndLeavesZeroEmpty)
{
    const std::vector<std::pair<qint64, QString>> cases = {{0, ""},
                                                           {7, "7"},
                                                           {999, "999"},
                                                           {1000, "1,000"},
                                                           {86000000, "86,000,000"},
                                                           {458000000, "458,000,000"},
                                                           {1234567890, "1,234,567,890"}};
    for (const auto& [x, want] : cases)
        EXPECT_EQ(formatF(x), want) << x;
}

TEST(CopyTexts, RefusalNamesWhatIsThereAndWhatIsMissing)
{
    EXPECT_EQ(
        copytexts::notEnoughSpace(0, 86000000),
        QStringLiteral("Not enough available hard disk space to perform copy.\r\n\r\nFree some up and try "
                       "again.\r\n\r\nYou have:   bytes\r\n\r\nYou need:   86,000,000 bytes more\r\n\r\n"
                       "For a total of:   86,000,000 bytes free.\r\n"));
}

using FreeSpace = OutputFixture;

TEST_F(FreeSpace, ExactlyEnoughPassesOneKilobyteLessIsRefused)
{
    // free kilobytes x 1000 against 86,000,000 bytes
    fs.freeKb = 86000;
    EXPECT_TRUE(copy.checkFreeSpace(CopyKind::Photos));
    EXPECT_TRUE(panel.visible);
    EXPECT_TRUE(panel.buttonsEnabled);
    EXPECT_TRUE(panel.cancelFocused);
    EXPECT_EQ(panel.copyCaption, QStringLiteral("Copy Photos"));
    EXPECT_EQ(panel.title, QStringLiteral("Copy photos from CD-ROM to hard drive"));
    EXPECT_TRUE(messages.shown.empty());

    panel.visible = false;
    fs.freeKb = 85999;
    EXPECT_FALSE(copy.checkFreeSpace(CopyKind::Photos));
    EXPECT_FALSE(panel.visible);
    EXPECT_EQ(copy.state(), CopyState::Refused);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().title, QStringLiteral("The Zephane Folarium"));
    EXPECT_EQ(messages.last().icon, MessageIcon::Error);
    EXPECT_EQ(messages.last().text, copytexts::notEnoughSpace(85999000, 86000000));
}

TEST_F(FreeSpace, AsksTheFileSystemOfTheTargetAndTreatsAFailedQueryAsNoSpace)
{
    fs.freeKb.reset();
    EXPECT_FALSE(copy.checkFreeSpace(CopyKind::Movies));
    EXPECT_EQ(fs.askedFreeFor, program.path());
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Internal GetDisk error!"));
    EXPECT_TRUE(messages.shown[0].title.isEmpty());
    EXPECT_TRUE(messages.shown[1].text.contains(QStringLiteral("For a total of:   458,000,000 bytes free.")));
    EXPECT_TRUE(messages.shown[1].text.contains(QStringLiteral("You have:   bytes")));
}

struct BlockCopy : OutputFixture {
    std::vector<double> fileBar, overall;
    QString shownFile;
    CopyProgress progress()
    {
        CopyProgress p;
        p.fileShown = [this](const QString& s) { shownFile = s; };
        p.fileBar = [this](double v) { fileBar.push_back(v); };
        p.overallBar = [this](double v) { overall.push_back(v); };
        p.serveEvents = [this] { ++served; };
        return p;
    }
};

TEST_F(BlockCopy, FileSmallerThanABlockIsCopiedByTheRestStepAndItsBarJumpsToFull)
{
    const QString src = disc.add(QStringLiteral("zephanes/53A.JPG"), bytes(24999));
    BlockCopier copier(fs);
    CopyBudget budget{86000000, 86000000};
    EXPECT_EQ(copier.copy(src, program.file(QStringLiteral("53A.JPG")), 25000, &budget, progress()).text,
              QString());
    EXPECT_EQ(fileBar, std::vector<double>{100});
    EXPECT_TRUE(overall.empty()); // the rest is not counted
    EXPECT_EQ(budget.bytesLeft, 86000000);
    EXPECT_EQ(served, 0);
    QFile out(program.file(QStringLiteral("53A.JPG")));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll(), bytes(24999));
}

TEST_F(BlockCopy, EveryWholeBlockDrivesBothBarsAndServesEvents)
{
    const QString src = disc.add(QStringLiteral("zephanes/53A.JPG"), bytes(60000));
    BlockCopier copier(fs);
    CopyBudget budget{100000, 100000};
    EXPECT_EQ(copier.copy(src, program.file(QStringLiteral("53A.JPG")), 25000, &budget, progress()).text,
              QString());
    ASSERT_EQ(fileBar.size(), 3u);
    EXPECT_NEAR(fileBar[0], 41.67, 0.01);
    EXPECT_NEAR(fileBar[1], 83.33, 0.01);
    EXPECT_EQ(fileBar[2], 100);
    EXPECT_EQ(overall, (std::vector<double>{25, 50}));
    EXPECT_EQ(served, 2);
    EXPECT_EQ(shownFile, src);
}

TEST_F(BlockCopy, EverySizeAroundTheBlockSizeIsCopiedWholeAndByteForByte)
{
    BlockCopier copier(fs);
    for (const qint64 block : {BlockCopier::kSelectionBlock, BlockCopier::kPhotoMovieBlock})
        for (const qint64 size :
             {qint64(0), qint64(1), block - 1, block, block + 1, 2 * block, 2 * block + 1, 3 * block - 1}) {
            SCOPED_TRACE(QStringLiteral("block %1, size %2").arg(block).arg(size).toStdString());
            const QByteArray original = bytes(int(size), char('a' + size % 7));
            const QString src = disc.add(QStringLiteral("zephanes/%1.JPG").arg(size), original);
            const QString dst = program.file(QStringLiteral("%1-%2.JPG").arg(block).arg(size));
            fileBar.clear();
            EXPECT_EQ(copier.copy(src, dst, block, nullptr, progress()).kind, FileFailure::None);
            QFile out(dst);
            ASSERT_TRUE(out.open(QIODevice::ReadOnly));
            EXPECT_EQ(out.readAll(), original);
            EXPECT_EQ(fileBar.back(), 100);
        }
}

TEST_F(BlockCopy, AReadErrorMidFileLeavesNoTargetAndNoTemporaryFile)
{
    const QString src = disc.add(QStringLiteral("zephanes/53A.JPG"), bytes(80000));
    const QString dst = program.file(QStringLiteral("53A.JPG"));
    fs.failReadAfter[QStringLiteral("53A.JPG")] = 50000;
    BlockCopier copier(fs);
    const FileError e = copier.copy(src, dst, 25000, nullptr, progress());
    EXPECT_EQ(e.text, QStringLiteral("Input/output error"));
    EXPECT_FALSE(e.repeats()); // a bad spot on the disc is this file's own
    EXPECT_TRUE(filesIn(program.path()).isEmpty()) << filesIn(program.path()).join(',').toStdString();
}

TEST_F(BlockCopy, AFailedCopyKeepsAnEarlierWholeCopyInsteadOfTruncatingIt)
{
    const QString src = disc.add(QStringLiteral("zephanes/53A.JPG"), bytes(80000, 'x'));
    const QString dst = program.add(QStringLiteral("53A.JPG"), bytes(80000, 'a'));
    fs.failWriteAfter[QStringLiteral("53A.JPG")] = 30000;
    BlockCopier copier(fs);
    const FileError e = copier.copy(src, dst, 25000, nullptr, progress());
    EXPECT_EQ(e.text, QStringLiteral("No space left on device"));
    EXPECT_EQ(e.kind, FileFailure::NoSpace);
    QFile out(dst);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll(), bytes(80000, 'a'));
    EXPECT_EQ(filesIn(program.path()), QStringList{QStringLiteral("53A.JPG")});
}

struct PhotoCopy : OutputFixture {
    PhotoCopy()
    {
        disc.add(QStringLiteral("zephanes/53A.JPG"), bytes(70000));
        disc.add(QStringLiteral("zephanes/53B.JPG"), bytes(1000));
        disc.add(QStringLiteral("zephanes/54a.jpg"), bytes(30000));
        disc.addFolder(QStringLiteral("clipart"));
    }
    QString target() const { return program.file(QStringLiteral("zephanes")); }
};

TEST_F(PhotoCopy, CopiesEveryPhotoThenShowsPhotosFromTheHardDisk)
{
    ASSERT_TRUE(copy.checkFreeSpace(CopyKind::Photos));
    copy.copy();
    EXPECT_EQ(filesIn(target()), (QStringList{"53A.JPG", "53B.JPG", "54A.JPG"}));
    EXPECT_EQ(copy.state(), CopyState::Completed);
    EXPECT_EQ(panel.overallBars.back(), 100);
    EXPECT_EQ(panel.fileBars.back(), 100);
    EXPECT_FALSE(panel.visible);
    EXPECT_TRUE(mainEnabled);
    EXPECT_GT(served, 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text, QStringLiteral("Photos successfully copied!\r\n"));
    EXPECT_EQ(messages.last().title, QStringLiteral("The Zephane Folarium"));
    EXPECT_EQ(session.roots.photoRoot, program.path());
    EXPECT_TRUE(session.index.photoFile(1).startsWith(program.path() + QStringLiteral("\\zephanes\\")));
    EXPECT_EQ(session.index.photoCount(), 3);
}

TEST_F(PhotoCopy, MainWindowIsDisabledWhileTheFilesAreCopied)
{
    std::vector<bool> enabledDuringCopy;
    fs.onOpen = [&](const QString&) { enabledDuringCopy.push_back(mainEnabled); };
    copy.checkFreeSpace(CopyKind::Photos);
    copy.copy();
    ASSERT_FALSE(enabledDuringCopy.empty());
    for (bool e : enabledDuringCopy)
        EXPECT_FALSE(e);
    EXPECT_TRUE(mainEnabled);
}

TEST_F(PhotoCopy, ReadErrorMidCopySaysHowManyFailedAndKeepsShowingTheDisc)
{
    fs.failReadAfter[QStringLiteral("53A.JPG")] = 25000;
    copy.checkFreeSpace(CopyKind::Photos);
    copy.copy();
    EXPECT_EQ(filesIn(target()), (QStringList{"53B.JPG", "54A.JPG"})); // no truncated 53A.JPG
    EXPECT_EQ(copy.state(), CopyState::Incomplete);
    EXPECT_EQ(copy.failedFiles(), 1);
    EXPECT_FALSE(shown(QStringLiteral("Photos successfully copied!\r\n")));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, copytexts::fileFailed("53A.JPG", "Input/output error"));
    EXPECT_EQ(messages.shown[1].text, copytexts::copyIncomplete(true, 1, 3));
    EXPECT_TRUE(messages.shown[1].text.contains(QStringLiteral("1 of 3 photos could not be copied")));
    EXPECT_EQ(session.roots.photoRoot, disc.path());
    EXPECT_TRUE(session.index.photoFile(1).startsWith(disc.path()));
    EXPECT_TRUE(mainEnabled);
}

TEST_F(PhotoCopy, AFailureThatWillRepeatStopsTheCopyWithOneMessageSayingHowManyWereCopied)
{
    // The write's own error decides, whatever the free space says.
    struct Case {
        FileError error;
        const char* says;
    };
    const std::vector<Case> cases = {
        {{QStringLiteral("No space left on device"), FileFailure::NoSpace}, "the hard disk is full"},
        {{QStringLiteral("Read-only file system"), FileFailure::ReadOnly}, "can only be read"},
        {{QStringLiteral("Permission denied"), FileFailure::Denied}, "may not be written"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        QDir(target()).removeRecursively();
        messages.shown.clear();
        fs.writeFailure = c.error;
        fs.failWriteAfter.clear();
        fs.failWriteAfter[QStringLiteral("53B.JPG")] = 500; // the second of three
        copy.checkFreeSpace(CopyKind::Photos);
        copy.copy();
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.last().text,
                  copytexts::copyStopped(true, c.error.kind, c.error.text, 1, 3, target()));
        EXPECT_TRUE(messages.last().text.contains(QString::fromLatin1(c.says)));
        EXPECT_TRUE(messages.last().text.contains(QStringLiteral("1 of 3 photos were copied")));
        EXPECT_EQ(filesIn(target()), QStringList{"53A.JPG"}); // no half-written 53B.JPG, nothing after it
        EXPECT_EQ(copy.state(), CopyState::Incomplete);
        EXPECT_EQ(session.roots.photoRoot, disc.path());
    }
}

TEST_F(PhotoCopy, AFailureOfOtherKindStopsTheCopyWhenTheDiskHasNoRoomLeft)
{
    copy.checkFreeSpace(CopyKind::Photos);
    fs.writeFailure = {QStringLiteral("Input/output error"), FileFailure::Other};
    fs.failWriteAfter[QStringLiteral("53A.JPG")] = 30000;
    fs.onOpen = [this](const QString& path) {
        if (path.endsWith(QStringLiteral("53A.JPG")))
            fs.freeKb = 0;
    };
    copy.copy();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("0 of 3 photos were copied")));
    EXPECT_TRUE(filesIn(target()).isEmpty());
    EXPECT_EQ(session.roots.photoRoot, disc.path());
}

TEST_F(PhotoCopy, CopiedFilesAreSyncedOnceBeforeSuccessAndAFailedSyncIsNoSuccess)
{
    copy.checkFreeSpace(CopyKind::Photos);
    copy.copy();
    EXPECT_EQ(fs.synced, QStringList{target()});
    EXPECT_EQ(fs.writes, std::vector<IFileSystem::Mode>(3, IFileSystem::Mode::BatchWrite));
    EXPECT_EQ(messages.last().text, copytexts::kPhotosCopied);

    fs.syncFails = true;
    messages.shown.clear();
    session.roots.photoRoot = disc.path();
    copy.checkFreeSpace(CopyKind::Photos);
    messages.answer({MessageAnswer::Ok}); // copy again
    copy.copy();
    EXPECT_EQ(copy.state(), CopyState::Incomplete);
    EXPECT_FALSE(shown(copytexts::kPhotosCopied));
    EXPECT_EQ(messages.last().text, copytexts::syncFailed(true, "Input/output error", target()));
    EXPECT_EQ(session.roots.photoRoot, disc.path());
}

TEST_F(PhotoCopy, LeftoversOfAnInterruptedCopyAreRemovedAtTheNextCopy)
{
    program.add(QStringLiteral("zephanes/.53A.JPG.Ab12Cd.zephane-tmp"), "half");
    program.add(QStringLiteral("zephanes/.54A.JPG.part"), "half");
    program.add(QStringLiteral("zephanes/keep.txt"), "mine");
    copy.checkFreeSpace(CopyKind::Photos);
    messages.answer({MessageAnswer::Ok}); // copy again
    copy.copy();
    EXPECT_EQ(filesIn(target()), (QStringList{"53A.JPG", "53B.JPG", "54A.JPG", "keep.txt"}));
}

TEST_F(PhotoCopy, AFolderThatCannotBeMadeIsToldOnceAndNothingIsCopied)
{
    copy.checkFreeSpace(CopyKind::Photos);
    fs.makeFolderFails = true;
    copy.copy();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text, copytexts::folderNotMade(target(), "Permission denied"));
    EXPECT_EQ(copy.state(), CopyState::Declined);
    EXPECT_EQ(fs.opens, 0);
}

TEST_F(PhotoCopy, CopyAgainQuestionCancelLeavesEverythingAsItWas)
{
    program.add(QStringLiteral("zephanes/53A.JPG"), "old");
    copy.checkFreeSpace(CopyKind::Photos);
    messages.answer({MessageAnswer::Cancel});
    copy.copy();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text, copytexts::kCopyAgain);
    EXPECT_EQ(messages.last().buttons, MessageButtons::OkCancel);
    EXPECT_EQ(copy.state(), CopyState::Declined);
    EXPECT_FALSE(panel.visible);
    EXPECT_TRUE(panel.buttonsEnabled);
    EXPECT_EQ(filesIn(target()), QStringList{"53A.JPG"});
    EXPECT_EQ(session.roots.photoRoot, disc.path());

    messages.answer({MessageAnswer::Ok});
    copy.copy();
    EXPECT_EQ(filesIn(target()).size(), 3);
    EXPECT_EQ(copy.state(), CopyState::Completed);
}

TEST_F(PhotoCopy, CancelOnlyHidesThePanel)
{
    copy.checkFreeSpace(CopyKind::Photos);
    copy.cancel();
    EXPECT_FALSE(panel.visible);
    EXPECT_EQ(copy.state(), CopyState::Cancelled);
    EXPECT_FALSE(QFileInfo::exists(target()));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PhotoCopy, MoviesAreListedUpperCasedAndCopiedUnderMovies)
{
    disc.add(QStringLiteral("movies/intro.avi"), bytes(26000));
    disc.add(QStringLiteral("movies/notes.txt"));
    copy.checkFreeSpace(CopyKind::Movies);
    EXPECT_EQ(panel.title, QStringLiteral("Copy Movies from CD-ROM to hard drive"));
    copy.copy();
    EXPECT_EQ(filesIn(program.file(QStringLiteral("movies"))), QStringList{"INTRO.AVI"});
    EXPECT_EQ(messages.last().text, QStringLiteral("Movies successfully copied!\r\n"));
}

TEST_F(PhotoCopy, ADiscWithNothingToCopySaysSoAndKeepsReadingFromTheDisc)
{
    QDir(disc.file(QStringLiteral("zephanes"))).removeRecursively();
    disc.addFolder(QStringLiteral("zephanes"));
    copy.checkFreeSpace(CopyKind::Photos);
    copy.copy();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text, copytexts::nothingToCopy(true));
    EXPECT_FALSE(shown(copytexts::kPhotosCopied));
    EXPECT_EQ(copy.state(), CopyState::NothingToCopy);
    EXPECT_EQ(session.roots.photoRoot, disc.path());
    EXPECT_FALSE(QFileInfo::exists(target())); // no empty folder that looks like a copy
    EXPECT_TRUE(mainEnabled);

    messages.shown.clear();
    copy.checkFreeSpace(CopyKind::Movies); // the disc has no movies folder at all
    copy.copy();
    EXPECT_EQ(messages.last().text, copytexts::nothingToCopy(false));
    EXPECT_FALSE(QFileInfo::exists(program.file(QStringLiteral("movies"))));
}

TEST_F(PhotoCopy, UnreachableDiscReportsEr055WithRetry)
{
    session.roots.mediaRoot = QStringLiteral("E:"); // no drive has the letter
    QStringList names;
    messages.answer({MessageAnswer::Retry});
    messages.onAsk = [&](const MessageRequest&) {
        if (messages.shown.size() == 1)
            drives.letters[QLatin1Char('E')] = disc.path();
    };
    EXPECT_TRUE(copy.listCdMovies(names));
    EXPECT_EQ(session.errors.code, errc::kMovieListing);
    EXPECT_EQ(messages.shown.front().buttons, MessageButtons::RetryCancel);

    drives.letters.clear();
    session.files.clearCache();
    EXPECT_FALSE(copy.listCdMovies(names)); // Cancel ends the program
    EXPECT_TRUE(processes.ended);
}

struct Removal : OutputFixture {};

TEST_F(Removal, NothingToRemoveIsStillSuccess)
{
    bool exitAsked = false;
    session.commands.add(Command::Exit, [&](int) { exitAsked = true; });
    messages.answer({MessageAnswer::Yes});
    copy.removePhotos();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, copytexts::kAskRemovePhotos);
    EXPECT_EQ(messages.shown[1].text, copytexts::kPhotosRemoved);
    EXPECT_TRUE(exitAsked);
}

TEST_F(Removal, RemovesCopiedPhotosAndTheFolder)
{
    program.add(QStringLiteral("zephanes/53A.JPG"));
    program.add(QStringLiteral("zephanes/53B.JPG"));
    session.roots.photoRoot = program.path();
    messages.answer({MessageAnswer::Yes});
    copy.removePhotos();
    EXPECT_FALSE(QFileInfo::exists(program.file(QStringLiteral("zephanes"))));
    EXPECT_EQ(messages.last().text, copytexts::kPhotosRemoved);
    EXPECT_EQ(session.roots.photoRoot, disc.path());
}

TEST_F(Removal, FilesLeftBehindAreReportedInsteadOfSuccess)
{
    program.add(QStringLiteral("movies/A.AVI"));
    program.add(QStringLiteral("movies/B.AVI"));
    fs.cannotRemove = {QStringLiteral("B.AVI")};
    messages.answer({MessageAnswer::Yes});
    copy.removeMovies();
    EXPECT_FALSE(shown(copytexts::kMoviesRemoved));
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("1 file(s) are still in")));
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("Operation not permitted")));
    EXPECT_EQ(filesIn(program.file(QStringLiteral("movies"))), QStringList{"B.AVI"});
}

TEST_F(Removal, AnythingButYesRemovesNothing)
{
    program.add(QStringLiteral("zephanes/53A.JPG"));
    copy.removePhotos(); // the fake answers No
    EXPECT_TRUE(QFileInfo::exists(program.file(QStringLiteral("zephanes/53A.JPG"))));
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(Removal, AFolderThatCannotBeListedIsAFailureWithItsReasonAndNoExit)
{
    bool exitAsked = false;
    session.commands.add(Command::Exit, [&](int) { exitAsked = true; });
    program.add(QStringLiteral("zephanes/53A.JPG"));
    session.roots.photoRoot = program.path();
    fs.listFails = true;
    messages.answer({MessageAnswer::Yes});
    copy.removePhotos();
    EXPECT_FALSE(shown(copytexts::kPhotosRemoved));
    EXPECT_EQ(messages.last().text,
              copytexts::removalFailed(true, program.file(QStringLiteral("zephanes")), "Permission denied"));
    EXPECT_TRUE(QFileInfo::exists(program.file(QStringLiteral("zephanes/53A.JPG"))));
    EXPECT_EQ(session.roots.photoRoot, program.path());
    EXPECT_FALSE(exitAsked);
}

TEST_F(Removal, AFolderThatIsALinkLeadingOutIsAFailureAndNothingIsRemoved)
{
    MediaTree elsewhere;
    const QString outside = elsewhere.add(QStringLiteral("53A.JPG"), "theirs");
    ASSERT_TRUE(QFile::link(elsewhere.path(), program.file(QStringLiteral("movies"))));
    elsewhere.add(QStringLiteral("B.AVI"), "theirs");
    messages.answer({MessageAnswer::Yes});
    copy.removeMovies();
    EXPECT_FALSE(shown(copytexts::kMoviesRemoved));
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("Nothing was removed")))
        << messages.last().text.toStdString();
    EXPECT_TRUE(QFileInfo::exists(outside));
    EXPECT_TRUE(QFileInfo::exists(elsewhere.file(QStringLiteral("B.AVI"))));
}

TEST_F(Removal, WhereTheProgramReadsItsMediaFromTheDataFolderNothingIsRemoved)
{
    // "HWI": the media root is the program folder, so its photos and movies are the only ones.
    session.roots.mediaRoot = program.path();
    session.roots.photoRoot = program.path();
    program.add(QStringLiteral("zephanes/53A.JPG"));
    program.add(QStringLiteral("movies/A.AVI"));
    messages.answer({MessageAnswer::Yes, MessageAnswer::Ok, MessageAnswer::Yes});
    copy.removePhotos();
    EXPECT_EQ(messages.last().text,
              copytexts::removalRefusedMediaRoot(true, program.path() + QStringLiteral("/zephanes")));
    copy.removeMovies();
    EXPECT_EQ(messages.last().text,
              copytexts::removalRefusedMediaRoot(false, program.path() + QStringLiteral("/movies")));
    EXPECT_TRUE(QFileInfo::exists(program.file(QStringLiteral("zephanes/53A.JPG"))));
    EXPECT_TRUE(QFileInfo::exists(program.file(QStringLiteral("movies/A.AVI"))));
    EXPECT_EQ(session.roots.photoRoot, program.path());
}
