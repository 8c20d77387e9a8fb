// zephane-slideshot MEDIA_DIR OUT_DIR: opens the slide show over a stand-in main window on a media tree,
// walks through photos, play and pause, clip art and the emblem slides, hands a photo back, and saves a
// screenshot of the whole screen after each stage. Run it under a virtual X server with a window manager.
#include <cstdio>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include "catalog/photoindex.h"
#include "platform/qt/linuxdrives.h"
#include "platform/qt/linuxfilesystem.h"
#include "platform/qt/linuxprocesses.h"
#include "platform/qt/qtclipboard.h"
#include "platform/qt/qtclock.h"
#include "platform/qt/qtdesktop.h"
#include "platform/qt/qtmediadevice.h"
#include "platform/qt/qtmessages.h"
#include "platform/qt/qtprinter.h"
#include "platform/qt/qtscreen.h"
#include "session/session.h"
#include "shared/ui/mainframe.h"
#include "slideshow/slidecontroller.h"
#include "slideshow/ui/slideshowmodule.h"
#include "slideshow/ui/slideshowwindow.h"

namespace {

class Frame final : public IMainFrame {
public:
    QWidget* panelParent() override { return &widget; }
    QRect yearStripSpan() const override { return widget.rect(); }
    QRect photoRect() const override { return widget.rect(); }
    QRect clientRect() const override { return widget.rect(); }
    void setMainWindowEnabled(bool enabled) override { widget.setEnabled(enabled); }
    void focusNextYearButton() override {}
    QWidget widget;
};

// Answers every question Yes without showing a box, and prints what was asked.
class LoggingMessages final : public IMessages {
public:
    MessageAnswer ask(const MessageRequest& r) override
    {
        std::printf("message: %s\n", qPrintable(r.text));
        return r.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
};

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(40); // a tool, not a test: let the window manager place and paint
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: zephane-slideshot MEDIA_DIR OUT_DIR\n");
        return 2;
    }
    const QString media = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);

    LinuxProcesses processes(QStringLiteral("zephane-slideshot.lock"));
    LoggingMessages messages;
    LinuxDrives drives;
    QtScreen screen;
    QtMediaDevice splash, mainMedia;
    QtClipboard clipboard;
    QtPrinter printer(&messages);
    QtClock clock;
    QtMediaDevice movieMedia;
    QtDesktop desktop;
    LinuxFileSystem fileSystem;
    Ports ports{processes,  messages,  drives,  screen,  splash, mainMedia,
                movieMedia, clipboard, printer, desktop, clock,  fileSystem};
    Session session(ports, media);
    session.roots.mediaRoot = session.roots.photoRoot = media;
    if (!LoadPhotoIndex(session.index, session.roots, session.files, session.reporter))
        return 1;
    std::printf("%d photos, %d clip art\n", session.index.photoCount(), session.index.clipArtCount());

    Frame frame;
    frame.widget.setWindowTitle(QStringLiteral("The Zephane Folarium 2000 (stand-in)"));
    frame.widget.setGeometry(0, 0, 800, 600);
    frame.widget.show();
    session.selection.entryText = QStringLiteral("1963");
    session.step.shownPhotoIndex = std::min(42, session.index.photoCount());
    session.hooks.refreshEntryPictures = [&] { std::printf("hand-over: refreshEntryPictures\n"); };
    session.hooks.slideHandOver.showPhoto = [](const QString& p) {
        std::printf("hand-over: photo %s\n", qPrintable(p));
        return true;
    };

    int shot = 0;
    const auto snap = [&](const char* name) {
        settle();
        const QString file =
            QStringLiteral("%1/%2-%3.png").arg(out).arg(++shot, 2, 10, QLatin1Char('0')).arg(name);
        QGuiApplication::primaryScreen()->grabWindow(0).save(file);
        std::printf("shot %s\n", qPrintable(file));
    };

    SlideShowModule module(session, ports, frame);
    module.setModalRunner([&](SlideShowWindow& w) {
        w.show();
        SlideController& c = *module.controller();
        const auto option = [&](int i) {
            w.findChild<QAbstractButton*>(QStringLiteral("Option1_%1").arg(i))->click();
        };
        const auto bar = [&](BarButton b) { w.barButton(b)->click(); };
        snap("launch");
        bar(BarButton::Play);
        for (int i = 0; i < 3; ++i)
            emit w.tick(SlideTimer::Photos);
        snap("photos-playing");
        bar(BarButton::Pause);
        snap("photos-paused");
        option(1);
        snap("clipart-title");
        bar(BarButton::Fwd);
        bar(BarButton::Fwd);
        snap("clipart-step");
        bar(BarButton::Play);
        for (int i = 0; i < 3; ++i)
            emit w.tick(SlideTimer::ClipArt);
        snap("clipart-playing");
        bar(BarButton::Pause);
        option(2);
        snap("insignias-title");
        static_cast<QAbstractButton*>(w.control(SlideControl::Beginning))->click();
        snap("insignias-1953");
        for (int e : {74, 100, 101, 102, 103}) {
            session.slides.folderNamePos = e - 1;
            c.StepForward();
            snap(QStringLiteral("insignias-%1").arg(e).toLatin1().constData());
        }
        bar(BarButton::Fwd);
        snap("insignias-104");
        option(0);
        bar(BarButton::Fwd);
        bar(BarButton::Fwd);
        snap("photos-before-handover");
        bar(BarButton::Exit);
    });
    session.commands.run(Command::SlideShow);
    std::printf("after: entry \"%s\" code %s photo %d refreshPending %d\n",
                qPrintable(session.selection.entryText), qPrintable(session.selection.entryCode),
                session.step.shownPhotoIndex, int(session.selection.refreshPending));
    snap("main-after");
    return 0;
}
