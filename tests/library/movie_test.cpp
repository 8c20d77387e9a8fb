#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVideoWidget>

#include "catalog/errorcodes.h"
#include "catalog/mediarules.h"
#include "libraryfixture.h"
#include "viewers/movieplayer.h"
#include "viewers/movieview.h"
#include "viewers/ui/librarymodule.h"
#include "viewers/ui/moviewindow.h"

namespace {

class FakeMovieView final : public IMovieView {
public:
    QObject* videoSurface() override { return &surface; }
    void showPicture() override { pictureShown = true; }
    void setCaption(const QString& c) override { caption = c; }
    void setPictureHeight(int twips) override { height = twips; }
    void showControlBar() override { barShown = true; }
    void closeWindow() override { ++closes; }

    QObject surface;
    bool pictureShown = false;
    bool barShown = false;
    QString caption;
    int height = -1;
    int closes = 0;
};

struct MovieFolderTest : LibraryFixture {};

TEST_F(MovieFolderTest, TheProgramFoldersCopyIsUsedOnlyWhenItHoldsAMovie)
{
    const QString fromDisc = session->roots.mediaRoot + QStringLiteral("\\movies\\");
    const QString fromCopy = session->roots.programFolder + QStringLiteral("\\movies\\");
    // No folder, an empty folder, a folder without movies: the disc.
    EXPECT_EQ(MoviePlayer::movieFolder(session->roots, session->files), fromDisc);
    tree.addFolder(QStringLiteral("program/movies"));
    session->files.clearCache();
    EXPECT_EQ(MoviePlayer::movieFolder(session->roots, session->files), fromDisc);
    program(QStringLiteral("movies/readme.txt"));
    session->files.clearCache();
    EXPECT_EQ(MoviePlayer::movieFolder(session->roots, session->files), fromDisc);
    // One movie, whatever its name or case: every movie is taken from the copy.
    program(QStringLiteral("movies/C12.AVI"));
    session->files.clearCache();
    EXPECT_EQ(MoviePlayer::movieFolder(session->roots, session->files), fromCopy);
}

struct MoviePlayerTest : LibraryFixture {
    FakeMovieView view;
    std::vector<bool> enables;
    int focuses = 0;
    MoviePlayer player{movieMedia,
                       session->files,
                       session->reporter,
                       {[this](bool on) { enables.push_back(on); }, [this] { ++focuses; }}};

    MoviePlayerTest()
    {
        player.setFolder(session->roots.mediaRoot + QStringLiteral("\\movies\\"));
        for (const auto& m : mediarules::movies())
            media(QStringLiteral("movies/") + m.file, "RIFF....AVI ");
        player.windowLoaded(view);
    }
};

TEST_F(MoviePlayerTest, EachOfferedMoviePreparesWithoutStarting)
{
    EXPECT_EQ(enables, std::vector<bool>{false});
    EXPECT_EQ(movieMedia.displayWindow, &view.surface);
    for (const auto& m : mediarules::movies()) {
        SCOPED_TRACE(m.file.toStdString());
        movieMedia.commands.clear();
        ASSERT_TRUE(player.choose(m.index));
        EXPECT_EQ(view.caption, m.windowCaption);
        EXPECT_EQ(view.height, m.index == 1 ? 3140 : 3255);
        EXPECT_TRUE(view.barShown);
        EXPECT_EQ(movieMedia.commands, (QStringList{"close", "open"}));
        EXPECT_EQ(movieMedia.deviceType, QStringLiteral("AVIVideo"));
        EXPECT_FALSE(movieMedia.playing);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MoviePlayerTest, IndexesNotOfferedAndMissingFilesReportTheMovieCode)
{
    for (int index : {5, 8, 9}) {
        messages.shown.clear();
        EXPECT_FALSE(player.choose(index));
        EXPECT_EQ(session->errors.code, errc::kMovie);
        EXPECT_EQ(messages.shown.size(), 1u);
    }
    ASSERT_TRUE(player.choose(0));
    movieMedia.commands.clear();
    QFile::remove(tree.file(QStringLiteral("media/movies/c12.avi")));
    session->files.clearCache();
    view.height = -1;
    EXPECT_FALSE(player.choose(7));
    EXPECT_EQ(session->errors.code, errc::kMovie);
    EXPECT_TRUE(movieMedia.commands.isEmpty()) << "the open movie is left as it was";
    EXPECT_EQ(view.caption, QStringLiteral("Brenmore C12"));
    EXPECT_EQ(view.height, -1);
}

TEST_F(MoviePlayerTest, AnUnplayableFileIsReported)
{
    movieMedia.failAllOpens = true;
    EXPECT_FALSE(player.choose(2));
    EXPECT_EQ(session->errors.code, errc::kMovie);
}

TEST_F(MoviePlayerTest, StopReturnsToTheStartAndExitFocusesTheNextYear)
{
    player.choose(4);
    player.play();
    EXPECT_TRUE(movieMedia.playing);
    movieMedia.commands.clear();
    player.stop();
    EXPECT_EQ(movieMedia.commands, (QStringList{"stop", "prev"}));

    player.exit();
    EXPECT_EQ(view.closes, 1);
    EXPECT_EQ(focuses, 1);
    EXPECT_EQ(enables, (std::vector<bool>{false, true}));
    EXPECT_FALSE(movieMedia.isOpen) << "no movie plays on behind a closed window";
    player.windowClosed(); // the window's own close signal after Exit
    EXPECT_EQ(enables.size(), 2u);
}

// The window as the module shows it.
struct MovieWindowTest : LibraryFixture {
    RecordingViewer viewer{session->documents};
    LibraryModule module{*session, ports, frame, viewer};
    MovieWindowTest()
    {
        module.setRunModal([](QDialog& d) { d.show(); });
        for (const auto& m : mediarules::movies())
            media(QStringLiteral("movies/") + m.file, "RIFF....AVI ");
    }
};

TEST_F(MovieWindowTest, TheMainWindowIsDisabledWhileOpenAndEnabledHoweverItCloses)
{
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        frame.enables.clear();
        ASSERT_TRUE(session->commands.run(Command::Movies));
        MovieWindow* w = module.movieWindow();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(frame.enables, std::vector<bool>{false});
        EXPECT_EQ(movieMedia.displayWindow, w->picture());
        w->option(1)->click();
        EXPECT_EQ(w->picture()->height(), 3140 / 15);
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Zephane Movies - 1963 Commercial"));
        EXPECT_EQ(w->controlBar()->y(), (4200 - 495 - 100) / 15);
        EXPECT_EQ(w->controlBar()->x(), (5055 - 3180) / 2 / 15);
        w->option(6)->click();
        EXPECT_EQ(w->picture()->height(), 3255 / 15);
        if (way == 0)
            w->exitButton()->click();
        else if (way == 1)
            w->close();
        else
            w->reject(); // Escape
        EXPECT_EQ(frame.enables, (std::vector<bool>{false, true}));
        EXPECT_EQ(frame.focusRequests, way == 0 ? 1 : 0);
        frame.focusRequests = 0;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(module.movieWindow(), nullptr);
    }
}

TEST_F(MovieWindowTest, PlayAndStopOnTheBarAndEveryControlIsReachable)
{
    session->commands.run(Command::Movies);
    MovieWindow* w = module.movieWindow();
    w->option(0)->click();
    w->controlBar()->findChild<QToolButton*>(QStringLiteral("Play"))->click();
    EXPECT_TRUE(movieMedia.playing);
    w->controlBar()->findChild<QToolButton*>(QStringLiteral("Stop"))->click();
    EXPECT_TRUE(movieMedia.commands.endsWith(QStringLiteral("prev")));
    EXPECT_FALSE(movieMedia.playing);
    for (const auto& m : mediarules::movies()) {
        ASSERT_NE(w->option(m.index), nullptr);
        EXPECT_EQ(w->option(m.index)->text(), m.optionCaption);
    }
    for (int missing : {5, 8, 9})
        EXPECT_EQ(w->option(missing), nullptr);
    EXPECT_EQ(w->helpButton()->text(), QStringLiteral("Help"));
    EXPECT_EQ(w->exitButton()->text(), QStringLiteral("Exit"));
    w->reject();
}

} // namespace
