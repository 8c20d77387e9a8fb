// Shows two library documents, the sound panel, a movie at its first frame and the About window on a demo
// tree, saving a screenshot of the screen after each: zephane-library-shots <output folder>.
#include <cstdio>
#include <functional>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QMediaPlayer>
#include <QPixmap>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>

#include "demomedia.h"
#include "fakes/fakeclipboard.h"
#include "fakes/fakedesktop.h"
#include "fakes/fakedrives.h"
#include "fakes/fakemainframe.h"
#include "fakes/fakemediadevice.h"
#include "fakes/fakemessages.h"
#include "fakes/fakeprinter.h"
#include "fakes/fakeprocesses.h"
#include "fakes/fakescreen.h"
#include "platform/qt/linuxfilesystem.h"
#include "platform/qt/qtclock.h"
#include "platform/qt/qtmediadevice.h"
#include "session/session.h"
#include "shared/ui/documentviewerhost.h"
#include "shared/ui/documentwindow.h"
#include "utils/ui/utilitiesmodule.h"
#include "viewers/ui/librarymodule.h"
#include "viewers/ui/moviewindow.h"
#include "viewers/ui/soundpanel.h"

namespace {

void settle(int ms, const std::function<bool()>& done = {})
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms && !(done && done()))
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool shot(const QString& folder, const QString& name)
{
    settle(300);
    const QPixmap p = QGuiApplication::primaryScreen()->grabWindow(0);
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    const bool ok = p.save(path);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: zephane-library-shots <output folder>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir dir;
    demomedia::Options o;
    o.mediaDir = dir.path() + QStringLiteral("/media");
    o.programDir = dir.path() + QStringLiteral("/program");
    o.photos = false;
    const demomedia::Result made = demomedia::generate(o);
    if (!made.errors.isEmpty()) {
        std::fprintf(stderr, "demo tree: %s\n", qPrintable(made.errors.join('\n')));
        return 1;
    }

    FakeProcesses processes;
    FakeMessages messages;
    messages.onAsk = [](const MessageRequest& r) { std::printf("message: %s\n", qPrintable(r.text)); };
    FakeDrives drives;
    FakeScreen screen{1024, 768};
    FakeMediaDevice splash;
    QtMediaDevice mainMedia, movieMedia;
    FakeClipboard clipboard;
    FakePrinter printer;
    FakeDesktop desktop;
    QtClock clock;
    LinuxFileSystem fileSystem;
    Ports ports{processes,  messages,  drives,  screen,  splash, mainMedia,
                movieMedia, clipboard, printer, desktop, clock,  fileSystem};
    Session session(ports, o.programDir);
    session.roots.mediaRoot = o.mediaDir;

    // A stand-in main window: a grey client area with a photo frame and a year strip.
    FakeMainFrame frame;
    frame.widget.setWindowTitle(QStringLiteral("The Zephane Folarium 2000"));
    frame.widget.resize(800, 560);
    frame.widget.setStyleSheet(QStringLiteral("background: #c0c0c0"));
    frame.span = QRect(0, 0, 660, 560);
    frame.photo = QRect(150, 40, 500, 380);
    auto* photo = new QLabel(QStringLiteral("Image4"), &frame.widget);
    photo->setGeometry(frame.photo);
    photo->setStyleSheet(QStringLiteral("background: #204060; color: white"));
    frame.widget.move(0, 0);
    frame.widget.show();

    DocumentViewerHost viewer(session.documents, printer, &frame.widget);
    viewer.setHooks({{}, [](QDialog& d) { d.show(); }});
    LibraryModule library(session, ports, frame, viewer);
    UtilitiesModule utilities(session, ports, frame);
    int failures = 0;

    const auto& rows = mediarules::libraryDocuments();
    const auto rowOf = [&rows](const char* control, int index) {
        return int(mediarules::libraryDocument(QLatin1String(control), index) - rows.data());
    };
    session.commands.run(Command::LibraryDocument, rowOf("mnuBooks", 0));
    failures += !shot(out, QStringLiteral("1-books"));
    viewer.unload();
    session.commands.run(Command::LibraryDocument, rowOf("mnuArticles", 6));
    failures += !shot(out, QStringLiteral("2-article-moment"));
    viewer.unload();

    session.commands.run(Command::SoundEffects);
    failures += !shot(out, QStringLiteral("3-sound-panel"));
    library.soundPanel()->hide();

    library.setRunModal([](QDialog& d) { d.show(); });
    session.commands.run(Command::Movies);
    MovieWindow* movie = library.movieWindow();
    bool framed = false;
    QObject::connect(movie->picture()->videoSink(), &QVideoSink::videoFrameChanged, movie,
                     [&framed](const QVideoFrame& f) { framed = framed || f.isValid(); });
    movie->option(1)->click();
    movie->controlBar()->findChild<QToolButton*>(QStringLiteral("Play"))->click();
    settle(15000, [&framed] { return framed; });
    std::printf("first frame: %s\n", framed ? "yes" : "no");
    if (auto* player = movieMedia.findChild<QMediaPlayer*>())
        std::printf("player state %d, status %d, error \"%s\"\n", int(player->playbackState()),
                    int(player->mediaStatus()), qPrintable(player->errorString()));
    failures += !framed;
    failures += !shot(out, QStringLiteral("4-movie"));
    movie->reject();

    utilities.setRunModal([&](QDialog& d) {
        d.show();
        failures += !shot(out, QStringLiteral("5-about"));
    });
    session.commands.run(Command::About);
    return failures == 0 ? 0 : 1;
}
