// Start-up: one running copy, the sound, the splash timer, the main window's load and its layouts.
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>

#include "catalog/errorcodes.h"
#include "programfixture.h"

namespace {

class StartupTest : public ProgramFixture {};

int twipsLeft(QWidget* w)
{
    return w->x() * Form1::kTwipsPerPixel;
}
int twipsWidth(QWidget* w)
{
    return w->width() * Form1::kTwipsPerPixel;
}

TEST_F(StartupTest, SecondInstanceIsRefusedAndEnds)
{
    processes.otherInstance = true;
    startProgram();
    EXPECT_FALSE(started);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text, "The Zephane Folarium is already running!");
    EXPECT_EQ(messages.last().icon, MessageIcon::Error);
    EXPECT_EQ(messages.last().buttons, MessageButtons::Ok);
    EXPECT_TRUE(messages.last().systemModal);
    EXPECT_TRUE(processes.ended);
    EXPECT_FALSE(program->splash()->isVisible());
    EXPECT_TRUE(splashMedia.commands.isEmpty());
}

TEST_F(StartupTest, SplashPlaysTheSoundStartsItsTimerAndBuildsTheIndex)
{
    addPhotos();
    const QString wav = tree.add("PASSBY.WAV", "RIFF....WAVE");
    startProgram();
    ASSERT_TRUE(started);
    EXPECT_EQ(splashMedia.commands, QStringList({"close", "open", "play"}));
    EXPECT_EQ(splashMedia.deviceType, "WaveAudio");
    EXPECT_EQ(splashMedia.fileName, wav);
    Form2* splash = program->splash();
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(splash->timer().isActive());
    EXPECT_EQ(splash->timer().interval(), 5000);
    EXPECT_TRUE(program->selection().firstClickPending);
    EXPECT_EQ(program->photoIndex().photoCount(), 6 + int(catalogue::collections().size()));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(program->mainWindow(), nullptr); // not before the timer
}

TEST_F(StartupTest, MissingSoundIsSilentAndUnplayableSoundDoesNotStopStartUp)
{
    addPhotos();
    startProgram();
    ASSERT_TRUE(started);
    EXPECT_TRUE(splashMedia.commands.isEmpty());
    EXPECT_EQ(program->errorState().code, errc::kPhotoIndex); // ER055 was set, then the index set its own
    EXPECT_TRUE(messages.shown.empty());

    // A sound file that does not open: no "play", no message, start-up goes on.
    splashMedia.failAllOpens = true;
    tree.add("passby.wav", "not a sound");
    startProgram();
    ASSERT_TRUE(started);
    EXPECT_EQ(splashMedia.commands, QStringList({"close", "open"}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(program->splash()->timer().isActive());
}

TEST_F(StartupTest, MainWindowLoadClosesTheSplashAndFillsTheLists)
{
    addPhotos();
    openMainWindow();
    Form1* w = window();
    EXPECT_EQ(w->windowTitle(), "The Zephane Folarium  2000");
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(program->splash()->isVisible());
    EXPECT_TRUE(w->findChild<QPushButton*>("ReloadArray")->isVisible()); // started with HWI
    EXPECT_EQ(panYear(), "panYear");
    EXPECT_FALSE(w->findChild<QTextBrowser*>("rtbDetails")->isVisible());
    EXPECT_EQ(w->menuItem("mnuMag", 1)->text(), "Zephane &&Capers");
    EXPECT_EQ(w->menuItem("mnuMag", 2)->text(), "Zephane &Fever");
    EXPECT_EQ(w->yearButton(31)->objectName(), "cmdYR_31");
    EXPECT_EQ(w->findChild<QAction*>("mnuMag_13"), w->menuItem("mnuMag", 13));

    const QList<QListWidget*> lists = {w->findChild<QListWidget*>("List1_0"),
                                       w->findChild<QListWidget*>("List1_1")};
    for (QListWidget* l : lists) {
        ASSERT_NE(l, nullptr);
        ASSERT_EQ(l->count(), 48);
        EXPECT_EQ(l->item(0)->text(), "1953");
        EXPECT_EQ(l->item(30)->text(), "1984");
        EXPECT_EQ(l->item(46)->text(), "2000");
        EXPECT_EQ(l->item(47)->text(), "ZR-1");
        EXPECT_TRUE(l->findItems("1983", Qt::MatchExactly).isEmpty());
    }
    // The timer firing again after the main window is up does nothing.
    program->splashTimerFired();
    EXPECT_EQ(program->mainWindow(), w);
}

TEST_F(StartupTest, ReloadArrayStaysHiddenWithoutTheSwitch)
{
    addPhotos();
    drives.letters['D'] = tree.path(); // the drive probe finds the tree
    startProgram(QString());
    ASSERT_TRUE(started);
    EXPECT_EQ(program->roots().mediaRoot, "D:");
    program->splashTimerFired();
    EXPECT_FALSE(window()->findChild<QPushButton*>("ReloadArray")->isVisible());
}

TEST_F(StartupTest, IndexFailureOffersRetryAndCancelEndsTheProgram)
{
    // With the switch the media root is the program folder; make it vanish before the index is built.
    std::unique_ptr<MediaTree> gone = std::make_unique<MediaTree>();
    const QString folder = gone->path();
    gone.reset();
    program =
        std::make_unique<MainApplication>(MainApplication::Ports{processes, messages, drives, screen,
                                                                 splashMedia, mainMedia, clipboard, printer},
                                          folder);
    EXPECT_FALSE(program->start("HWI"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.last().text.contains(errc::kPhotoIndex));
    EXPECT_EQ(messages.last().buttons, MessageButtons::RetryCancel);
    EXPECT_TRUE(processes.ended);
}

TEST_F(StartupTest, DesignLayoutOn800x600)
{
    addPhotos();
    openMainWindow();
    Form1* w = window();
    EXPECT_EQ(twipsLeft(w->yearButton(1)), 120);
    EXPECT_EQ(twipsWidth(w->yearButton(1)), 615);
    EXPECT_EQ(twipsLeft(w->yearButton(2)), 720);
    EXPECT_EQ(twipsLeft(w->yearButton(3)), 1200);
    EXPECT_EQ(twipsWidth(w->yearButton(9)), 510);
    EXPECT_EQ(twipsWidth(w->yearButton(16)), 495);
    EXPECT_EQ(w->yearButton(25)->y() * 15, 480);
    EXPECT_EQ(twipsLeft(w->yearButton(47)), 10800);
    EXPECT_EQ(w->yearButton(31)->text(), "84");
    EXPECT_EQ(w->yearButton(25)->text(), "1977");
    EXPECT_EQ(w->yearButton(47)->text(), "00");
    QPushButton* exit = w->findChild<QPushButton*>("cmdExit");
    EXPECT_EQ(exit->text(), "Exit");
    EXPECT_EQ(exit->geometry(), QRect(11280 / 15, 480 / 15, 495 / 15, 375 / 15));
    EXPECT_EQ(w->contentButton(catalogue::Nostalgia)->geometry(), QRect(712, 0, 73, 18));
    EXPECT_EQ(w->contentButton(catalogue::ClipArt)->text(), "ClipArt ");
    EXPECT_EQ(w->findChild<QWidget*>("SpinButton1")->geometry(), QRect(8, 24, 41, 20));
    EXPECT_EQ(w->findChild<QTextBrowser*>("rtbDetails")->geometry(), QRect(328, 40, 329, 65));
    EXPECT_EQ(w->seriesPanelTop(), w->photoLabel()->y() + 10);
}

TEST_F(StartupTest, AdaptedLayoutOnAnyOtherScreen)
{
    addPhotos();
    screen = FakeScreen(1024, 768);
    openMainWindow();
    Form1* w = window();
    const int image4Top = w->photoLabel()->y();
    EXPECT_EQ(w->photoLabel()->size(), QSize(620, 356));
    EXPECT_EQ(w->seriesPanelTop(), image4Top - 40);
    EXPECT_EQ(w->findChild<QWidget*>("Frame1")->y(), image4Top + 356 - 10);
    EXPECT_EQ(twipsLeft(w->yearButton(2)), 750);
    EXPECT_EQ(twipsLeft(w->yearButton(24)), 9000);
    EXPECT_EQ(twipsLeft(w->yearButton(26)), 750);
    EXPECT_EQ(twipsLeft(w->yearButton(47)), 8625);
    EXPECT_EQ(twipsWidth(w->yearButton(47)), 375);
    EXPECT_EQ(twipsWidth(w->yearButton(1)), 615);
    EXPECT_EQ(twipsLeft(w->yearButton(25)), 120);
    EXPECT_EQ(w->findChild<QPushButton*>("cmdExit")->x(), w->yearButton(24)->x());
    EXPECT_EQ(w->contentButton(catalogue::Desc)->geometry(), QRect(4, 0, 74, 18));
    EXPECT_EQ(w->contentButton(catalogue::Nostalgia)->geometry(), QRect(712 - 141, 0, 61, 18));
}

TEST_F(StartupTest, MenuBarCaptionsAndNames)
{
    addPhotos();
    openMainWindow();
    QStringList top;
    for (QAction* a : window()->menuBar()->actions())
        top << a->objectName() + "=" + a->text();
    EXPECT_EQ(top, QStringList({"mnuFile=&File", "mnuSound=Sound &Effects", "mnuMovies=&Movies",
                                "mnuLiterature=&Literature", "mnuMisc=Mis&cellaneous", "mnuArtWork=&Artwork",
                                "mnustuff=&Zeph Stuff", "mnuSpecial=S&pecialty", "mnuSlideShow=&SlideShow",
                                "mnuHelp=&Help"}));
    QStringList file;
    for (QAction* a : window()->findChild<QMenu*>("mnuFile")->actions())
        file << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    EXPECT_EQ(file, QStringList({"mnuCopy", "mnuRemove", "-", "mnuCopyMovies", "mnuRemoveMovies", "-",
                                 "mnuSaver", "mnuVideo", "-", "mnuPrintPhoto", "mnuPrnt", "mnuPrint", "-",
                                 "mnuCheckScreen", "-", "mnuNames", "-", "mnuExit"}));
    EXPECT_EQ(window()->menuItem("mnuExit")->text(), "E&xit");
    EXPECT_EQ(window()->menuItem("mnuSpecialty", 10)->text(), "&ZR-1");
    EXPECT_EQ(window()->menuItem("mnuzephstuff", 13)->text(), "Zephane &Rubber Stamps");
    EXPECT_EQ(window()->menuItem("mnuArt", 4)->text(), "&Ferrec Orlund");
    EXPECT_EQ(window()->menuItem("mnuMus", 2)->text(), "&Zephane Americana");
    EXPECT_EQ(window()->menuItem("mnuMus", 0), nullptr);
    EXPECT_EQ(window()->menuItem("mnuArticles", 6)->text(), "The &Moment");
    EXPECT_EQ(window()->menuItem("mnuContrib")->text(), "Contri&butions");
    EXPECT_EQ(window()->menuItem("MnuIDZeph")->text(), "Zephane &Identification Guide");
}

} // namespace
