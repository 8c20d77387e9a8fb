// Start-up: one running copy, the sound, the splash timer, the main window's load and its layouts.
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>

#include <QGuiApplication>
#include <QSet>
#include <QTimer>

#include "catalog/errorcodes.h"
#include "catalog/mediarules.h"
#include "programfixture.h"

namespace {

class StartupTest : public ProgramFixture {};

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
    SplashWindow* splash = program->splash();
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(splash->timer().isActive());
    EXPECT_EQ(splash->timer().interval(), 5000);
    EXPECT_TRUE(session().selection.firstClickPending);
    EXPECT_EQ(session().index.photoCount(), 6 + int(catalogue::collections().size()));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(window(), nullptr); // not before the timer
}

TEST_F(StartupTest, MissingSoundIsSilentAndUnplayableSoundDoesNotStopStartUp)
{
    addPhotos();
    startProgram();
    ASSERT_TRUE(started);
    EXPECT_TRUE(splashMedia.commands.isEmpty());
    EXPECT_EQ(session().errors.code, errc::kPhotoIndex); // ER055 was set, then the index set its own
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
    MainWindow* w = window();
    EXPECT_EQ(w->windowTitle(), "The Zephane Folarium  2000");
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(program->splash()->isVisible());
    EXPECT_TRUE(w->findChild<QPushButton*>("ReloadArray")->isVisible()); // started with HWI
    EXPECT_EQ(panYear(), "panYear");
    EXPECT_FALSE(w->findChild<QTextBrowser*>("rtbDetails")->isVisible());
    // The first magazine's ampersand is shown as text; the others keep their access key.
    EXPECT_EQ(menuItem("mnuMag_1")->text(), "Zephane &&Capers");
    EXPECT_EQ(menuItem("mnuMag_2")->text(), "Zephane &Fever");
    EXPECT_EQ(w->yearButton(31)->objectName(), "cmdYR_31");

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
    fireSplashTimer();
    EXPECT_EQ(window(), w);
}

TEST_F(StartupTest, ReloadArrayStaysHiddenWithoutTheSwitch)
{
    addPhotos();
    drives.letters['D'] = tree.path(); // the drive probe finds the tree
    startProgram(QString());
    ASSERT_TRUE(started);
    EXPECT_EQ(session().roots.mediaRoot, "D:");
    fireSplashTimer();
    EXPECT_FALSE(window()->findChild<QPushButton*>("ReloadArray")->isVisible());
}

TEST_F(StartupTest, IndexFailureOffersRetryAndCancelEndsTheProgram)
{
    // With the switch the media root is the program folder; make it vanish before the index is built.
    std::unique_ptr<MediaTree> gone = std::make_unique<MediaTree>();
    const QString folder = gone->path();
    gone.reset();
    startProgram("HWI", folder);
    EXPECT_FALSE(started);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.last().text.contains(errc::kPhotoIndex));
    EXPECT_EQ(messages.last().buttons, MessageButtons::RetryCancel);
    EXPECT_TRUE(processes.ended);
}

// The splash timer's own timeout (not a direct call) brings the main window up, closes the splash, wires the
// main window's commands and hooks, and fires only once.
TEST_F(StartupTest, SplashTimerBuildsTheMainWindowModuleOnce)
{
    addPhotos();
    startProgram();
    ASSERT_TRUE(started);
    QTimer& timer = program->splash()->timer();
    EXPECT_TRUE(timer.isActive());
    EXPECT_TRUE(timer.isSingleShot());
    EXPECT_EQ(timer.interval(), 5000);
    EXPECT_FALSE(session().commands.has(Command::TopTen));
    EXPECT_FALSE(session().hooks.focusNextYearButton);

    fireSplashTimer();
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_FALSE(program->splash()->isVisible());
    EXPECT_FALSE(timer.isActive());
    EXPECT_FALSE(QGuiApplication::overrideCursor()); // the load took the hourglass back
    for (Command c : {Command::TopTen, Command::Miscellany, Command::Museum, Command::Art, Command::ZephStuff,
                      Command::Specialty, Command::FileNames, Command::IllustratedSeries, Command::Exit})
        EXPECT_TRUE(session().commands.has(c)) << int(c);
    EXPECT_TRUE(session().hooks.focusNextYearButton && session().hooks.setMainWindowEnabled &&
                session().hooks.refreshEntryPictures && session().hooks.slideHandOver.showPhoto &&
                session().hooks.closeDocumentViewer);

    MainWindow* first = window();
    fireSplashTimer();
    EXPECT_EQ(window(), first);
}

// ER001's Retry/Cancel box never stands behind the splash: the splash is closed before it is asked. A retry
// that finds the disc goes on with start-up and its timer.
TEST_F(StartupTest, NoDiscReportClosesTheSplashFirstAndRetryGoesOn)
{
    addPhotos();
    std::vector<bool> splashVisibleAtAsk;
    messages.onAsk = [&](const MessageRequest&) {
        splashVisibleAtAsk.push_back(program->splash()->isVisible());
        drives.letters['E'] = tree.path(); // the disc is put in while the box is up
    };
    messages.answer({MessageAnswer::Retry});
    startProgram(QString());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.last().text.contains(errc::kNoMediaDisc));
    EXPECT_EQ(splashVisibleAtAsk, std::vector<bool>({false}));
    ASSERT_TRUE(started);
    EXPECT_EQ(session().roots.mediaRoot, "E:");
    EXPECT_TRUE(program->splash()->timer().isActive());
    fireSplashTimer();
    EXPECT_NE(window(), nullptr);

    // Cancel ends the program, again with no splash in front of the box.
    drives.letters.clear();
    splashVisibleAtAsk.clear();
    messages.onAsk = [&](const MessageRequest&) {
        splashVisibleAtAsk.push_back(program->splash()->isVisible());
    };
    startProgram(QString());
    EXPECT_FALSE(started);
    EXPECT_EQ(splashVisibleAtAsk, std::vector<bool>({false}));
    EXPECT_TRUE(processes.ended);
}

// Facts any layout of the main window keeps, whatever its numbers: every control inside the client area, year
// and content buttons overlapping no more than their borders, the years in order in two rows, cmdExit at the
// end of the second row, and the window within the screen it was laid out for.
void expectSoundLayout(MainWindow* w, QSize screenSize)
{
    // Content buttons may overlap by their borders (a few pixels), never by their captions.
    constexpr int kBorders = 6;
    QWidget* client = w->centralWidget();
    QWidget* strip = w->findChild<QWidget*>("Frame1");
    QPushButton* exit = w->findChild<QPushButton*>("cmdExit");
    for (int i = 1; i <= catalogue::kYearButtonCount; ++i) {
        QPushButton* b = w->yearButton(i);
        const QRect g = b->geometry().translated(strip->pos());
        EXPECT_TRUE(client->rect().contains(g)) << i;
        EXPECT_TRUE(catalogue::yearForIndex(i).endsWith(b->text())) << i;
        EXPECT_GE(b->text().size(), 2) << i;
        const bool firstOfRow = i == 1 || i == 25;
        if (!firstOfRow) {
            QPushButton* before = w->yearButton(i - 1);
            EXPECT_EQ(b->y(), before->y()) << i;
            // In order; neighbours may share their borders (a pixel or two), never more.
            EXPECT_GE(b->x(), before->x() + before->width() - 2) << i;
        }
    }
    EXPECT_GT(w->yearButton(25)->y(), w->yearButton(24)->y());
    EXPECT_EQ(exit->y(), w->yearButton(47)->y());
    EXPECT_GE(exit->x(), w->yearButton(47)->x() + w->yearButton(47)->width() - 2);
    EXPECT_TRUE(strip->rect().contains(exit->geometry()));
    for (int b = 0; b + 1 < catalogue::kContentButtonCount; ++b) {
        const QRect g = w->contentButton(catalogue::ContentButton(b))->geometry();
        EXPECT_TRUE(client->rect().contains(g)) << b;
        for (int c = b + 1; c < catalogue::kContentButtonCount; ++c)
            EXPECT_LE(g.intersected(w->contentButton(catalogue::ContentButton(c))->geometry()).width(),
                      kBorders)
                << b << " " << c;
    }
    EXPECT_LE(client->width(), screenSize.width());
    EXPECT_LE(client->height() + w->menuBar()->height(), screenSize.height());
}

TEST_F(StartupTest, DesignLayoutOn800x600KeepsItsControlsApartAndInView)
{
    addPhotos();
    openMainWindow();
    expectSoundLayout(window(), QSize(800, 600));
    EXPECT_EQ(window()->yearButton(1)->text(), "1953");
    EXPECT_EQ(window()->yearButton(25)->text(), "1977");
    EXPECT_EQ(window()->seriesPanelTop(), photoLabel()->y() + 10);
}

TEST_F(StartupTest, AdaptedLayoutIsSmallerAndStillSound)
{
    addPhotos();
    screen = FakeScreen(1024, 768);
    openMainWindow();
    MainWindow* w = window();
    expectSoundLayout(w, QSize(1024, 768));
    const int image4Top = photoLabel()->y();
    EXPECT_LT(photoLabel()->width(), 780);
    EXPECT_EQ(w->seriesPanelTop(), image4Top - 40);
    // The strip follows the smaller photo; cmdExit closes the first row's span.
    EXPECT_LT(w->findChild<QWidget*>("Frame1")->y(), image4Top + photoLabel()->height());
    EXPECT_EQ(w->findChild<QPushButton*>("cmdExit")->x(), w->yearButton(24)->x());
}

// Every item of the menu bar runs a typed command, and the items that stand for a row of a table carry the
// row whose caption they show: all library documents and all menu collections are reachable exactly once.
// Once the main window is up every subsystem has been built: no menu item is left without a handler.
TEST_F(StartupTest, EveryCommandHasItsSubsystemOnceTheMainWindowIsUp)
{
    addPhotos();
    openMainWindow();
    for (int c = int(Command::CopyPhotos); c <= int(Command::SysInfo); ++c)
        EXPECT_TRUE(session().commands.has(Command(c))) << "command " << c;
    const SessionHooks& h = session().hooks;
    EXPECT_TRUE(h.closeSlideShow && h.showSaverList && h.closeSaverList && h.refreshSaverButtons);
    EXPECT_TRUE(h.slideHandOver.showPhoto && h.slideHandOver.focusYearButton);
}

TEST_F(StartupTest, EveryMenuItemRunsItsCommandWithTheRowItShows)
{
    addPhotos();
    openMainWindow();
    std::vector<std::pair<Command, int>> ran;
    for (int c = int(Command::CopyPhotos); c <= int(Command::SysInfo); ++c)
        session().commands.add(Command(c), [&ran, c](int index) { ran.push_back({Command(c), index}); });

    QSet<QString> names;
    QSet<int> libraryRows;
    std::map<Command, QSet<int>> collectionRows;
    const auto& library = mediarules::libraryDocuments();
    for (QAction* a : window()->menuBar()->findChildren<QAction*>()) {
        if (a->isSeparator() || a->menu() || a->objectName().isEmpty())
            continue;
        EXPECT_FALSE(names.contains(a->objectName())) << a->objectName().toStdString();
        names << a->objectName();
        ran.clear();
        a->trigger();
        ASSERT_EQ(ran.size(), 1u) << a->objectName().toStdString();
        const auto [command, index] = ran.front();
        QString caption = a->text();
        caption.replace("&&", "&");
        switch (command) {
        case Command::LibraryDocument:
            ASSERT_GE(index, 0);
            ASSERT_LT(index, int(library.size()));
            EXPECT_EQ(library[size_t(index)].menuCaption, caption);
            libraryRows << index;
            break;
        case Command::Specialty:
        case Command::Art:
        case Command::ZephStuff:
        case Command::Museum: {
            const catalogue::Collection* c = nullptr;
            for (const catalogue::Collection& x : catalogue::collections())
                if (x.menuIndex == index && x.menuCaption == caption)
                    c = &x;
            EXPECT_NE(c, nullptr) << caption.toStdString();
            collectionRows[command] << index;
            break;
        }
        default:
            EXPECT_EQ(index, -1) << a->objectName().toStdString();
        }
    }
    EXPECT_EQ(libraryRows.size(), int(library.size()));
    int menuCollections = 0;
    for (const catalogue::Collection& c : catalogue::collections())
        menuCollections += c.menuIndex >= 0;
    int reached = 0;
    for (const auto& [command, rows] : collectionRows)
        reached += rows.size();
    EXPECT_EQ(reached, menuCollections);
    // The single items of the File and Help menus and the menu bar's own items.
    for (const char* n : {"mnuCopy", "mnuExit", "mnuNames", "mnuSound", "mnuMovies", "mnuSlideShow",
                          "mnuAbout", "mnuOstrand", "mnuTopTen", "mnuMiscellany"})
        EXPECT_TRUE(names.contains(QLatin1String(n))) << n;
}

} // namespace
