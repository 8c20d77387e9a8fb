// The screen-saver settings file and the installation sequence.
#include <QFile>

#include "catalog/errorcodes.h"
#include "output/saverinstaller.h"
#include "outputfixture.h"

TEST(SaverInterval, CyclesThroughSixteenValuesBothWays)
{
    EXPECT_EQ(saverinterval::step(1000, false), 60000);
    EXPECT_EQ(saverinterval::step(60000, true), 1000);
    EXPECT_EQ(saverinterval::step(5000, false), 4000);
    EXPECT_EQ(saverinterval::step(5000, true), 10000);
    std::vector<long> seen;
    long v = 1000;
    do {
        seen.push_back(v);
        EXPECT_EQ(saverinterval::step(saverinterval::step(v, true), false), v);
        v = saverinterval::step(v, true);
    } while (v != 1000 && seen.size() < 40);
    EXPECT_EQ(seen.size(), 16u);
    EXPECT_EQ(saverinterval::caption(1000), QStringLiteral("1 Seconds"));
    EXPECT_EQ(saverinterval::caption(15000), QStringLiteral("15 Seconds"));
}

struct Install : OutputFixture {
    SaverInstaller installer{session, fs, messages, copy};
    int waits = 0;
    std::function<void()> onWait;

    Install()
    {
        installer.setHooks({[this] {
                                ++waits;
                                if (onWait)
                                    onWait();
                            },
                            {}});
        disc.add(QStringLiteral("zephanes/53A.JPG"), bytes(3000));
        disc.addFolder(QStringLiteral("clipart"));
    }
    QString ini() const { return saver.file(QStringLiteral("Zephane2000.ini")); }
    QByteArray iniBytes() const
    {
        QFile f(ini());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void withProgram() { program.add(QStringLiteral("Zephane2000.scr"), "#!/bin/sh\n"); }
};

TEST_F(Install, WritesTheSectionAndCopiesTheProgramBesideIt)
{
    withProgram();
    QFile::setPermissions(program.file(QStringLiteral("Zephane2000.scr")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    program.add(QStringLiteral("sszephs/53A.JPG"));
    saver.add(QStringLiteral("Zephane2000.ini"), "[Desktop]\r\nWallpaper=x\r\n");
    EXPECT_TRUE(installer.open());
    installer.spin(false); // 60 s
    EXPECT_TRUE(installer.install(true));
    EXPECT_EQ(iniBytes(), "[Desktop]\r\nWallpaper=x\r\n[Zephane2000]\r\nZephPath=" + program.path().toUtf8() +
                              "\\sszephs\\\r\nInterval=60\r\n");
    EXPECT_TRUE(QFileInfo(saver.file(QStringLiteral("Zephane2000.scr"))).isExecutable());
    EXPECT_EQ(messages.last().text, SaverInstaller::installedText());
    EXPECT_TRUE(messages.last().title.isEmpty());
    const QStringList lines = SaverInstaller::installedText().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 14);
    EXPECT_EQ(lines[7], QStringLiteral("    2) Click the Settings button") + QString(20, QLatin1Char(' ')));
    EXPECT_EQ(lines[13], QStringLiteral("    8) Click OK") + QString(28, QLatin1Char(' ')));
}

TEST_F(Install, OpeningAgainResetsTheDelaySoInstallWritesOneSecond)
{
    withProgram();
    installer.open();
    installer.spin(true);
    installer.spin(true);
    EXPECT_FALSE(installer.open()); // no selected photos
    messages.answer({MessageAnswer::No});
    EXPECT_TRUE(installer.install(false));
    EXPECT_TRUE(iniBytes().contains("Interval=1\n"));
    EXPECT_TRUE(iniBytes().contains("ZephPath=" + disc.path().toUtf8() + "\\zephanes\\\n"));
}

TEST_F(Install, MissingSaverProgramLeavesTheKeysWrittenAndReportsEr049)
{
    program.add(QStringLiteral("zephanes/53A.JPG"));
    EXPECT_FALSE(installer.install(false));
    EXPECT_TRUE(iniBytes().contains("ZephPath=" + program.path().toUtf8() + "\\zephanes\\\n"));
    EXPECT_EQ(session.errors.code, errc::kSaverProgram);
    EXPECT_EQ(messages.last().text, errors::compose(errc::kSaverProgram));
    EXPECT_FALSE(QFileInfo::exists(saver.file(QStringLiteral("Zephane2000.scr"))));
}

TEST_F(Install, AnUnreadableIniIsNeverReplaced)
{
    withProgram();
    program.add(QStringLiteral("zephanes/53A.JPG"));
    saver.add(QStringLiteral("Zephane2000.ini"), "[keep]\nall=of-it\n");
    fs.failReadAfter[QStringLiteral("Zephane2000.ini")] = 3;
    EXPECT_FALSE(installer.install(false));
    EXPECT_EQ(iniBytes(), "[keep]\nall=of-it\n");
    EXPECT_EQ(session.errors.code, errc::kSaverProgram);
}

TEST_F(Install, WaitForTheCopyEndsOnCancelAndInstallsNothing)
{
    withProgram();
    messages.answer({MessageAnswer::Yes});
    onWait = [this] { copy.cancel(); };
    EXPECT_FALSE(installer.install(false));
    EXPECT_EQ(waits, 1);
    EXPECT_FALSE(copy.copyPending);
    EXPECT_FALSE(QFileInfo::exists(ini()));
    EXPECT_FALSE(QFileInfo::exists(saver.file(QStringLiteral("Zephane2000.scr"))));
}

TEST_F(Install, WaitEndsWhenTheCopyIsRefusedOrDeclined)
{
    withProgram();
    fs.freeKb = 1;
    messages.answer({MessageAnswer::Yes});
    EXPECT_FALSE(installer.install(false));
    EXPECT_EQ(waits, 0);
    EXPECT_FALSE(QFileInfo::exists(ini()));

    fs.freeKb = qint64(1) << 30;
    program.addFolder(QStringLiteral("zephanes")); // copied before: the copy-again question
    messages.answer({MessageAnswer::Yes, MessageAnswer::Cancel});
    onWait = [this] { copy.copy(); };
    EXPECT_FALSE(installer.install(false));
    EXPECT_EQ(copy.state(), CopyState::Declined);
    EXPECT_FALSE(QFileInfo::exists(ini()));
}

TEST_F(Install, AMovieCopyDuringTheWaitInstallsNothing)
{
    withProgram();
    messages.answer({MessageAnswer::Yes});
    onWait = [this] {
        copy.checkFreeSpace(CopyKind::Movies);
        copy.copy();
    };
    EXPECT_FALSE(installer.install(false));
    EXPECT_FALSE(QFileInfo::exists(ini()));
}

TEST_F(Install, WaitEndsWhenTheCopyCompletesAndThenUsesTheHardDiskPhotos)
{
    withProgram();
    messages.answer({MessageAnswer::Yes});
    onWait = [this] { copy.copy(); };
    EXPECT_TRUE(installer.install(false));
    EXPECT_EQ(waits, 1);
    EXPECT_TRUE(iniBytes().contains("ZephPath=" + program.path().toUtf8() + "\\zephanes\\\n"));
    EXPECT_TRUE(QFileInfo::exists(program.file(QStringLiteral("zephanes/53A.JPG"))));
}

TEST_F(Install, HelpNeedsItsDocument)
{
    EXPECT_FALSE(installer.helpDocument());
    EXPECT_EQ(session.errors.code, errc::kSaverHelp);
    disc.add(QStringLiteral("RichText/SSHELP.RTF"));
    session.files.clearCache();
    EXPECT_TRUE(installer.helpDocument());
    EXPECT_EQ(session.documents.documentCaption,
              QStringLiteral("The Zephane Folarium     Install Screen Saver Help"));
}
