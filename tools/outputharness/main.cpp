// Shows the output panels over a stand-in main window on a media tree and walks through a copy, the photo
// list, the installation and a booklet print, saving a screenshot at each step.
//   zephane-output-harness MEDIA PROGRAM SAVERFOLDER SHOTS
#include <cstdio>
#include <functional>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "catalog/photoindex.h"
#include "output/ui/bookletpanel.h"
#include "output/ui/copyprogresspanel.h"
#include "output/ui/outputmodule.h"
#include "output/ui/saverinstallpanel.h"
#include "output/ui/saverphotolistwindow.h"
#include "platform/drives.h"
#include "platform/messages.h"
#include "platform/qt/linuxfilesystem.h"
#include "platform/qt/linuxprocesses.h"
#include "platform/qt/qtclipboard.h"
#include "platform/qt/qtclock.h"
#include "platform/qt/qtdesktop.h"
#include "platform/qt/qtmediadevice.h"
#include "platform/qt/qtprinter.h"
#include "platform/qt/qtscreen.h"
#include "session/ports.h"
#include "session/session.h"
#include "shared/ui/documentviewerhost.h"
#include "shared/ui/documentwindow.h"
#include "shared/ui/mainframe.h"

namespace {

class NoDrives final : public IDrives {
public:
    QString mountPoint(QChar) const override { return QString(); }
};

// Every box is printed and answered with OK or Yes, so the walk runs by itself.
class PrintedMessages final : public IMessages {
public:
    MessageAnswer ask(const MessageRequest& r) override
    {
        std::printf("--- message [%s]\n%s\n", qPrintable(r.title),
                    qPrintable(QString(r.text).replace("\r\n", "\n")));
        std::fflush(stdout);
        return r.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
};

// A plain window with a year strip and a photo, standing in for the main window.
class Frame final : public IMainFrame {
public:
    Frame()
    {
        m_window.resize(800, 600);
        m_window.setWindowTitle(QStringLiteral("The Zephane Folarium 2000"));
        auto* strip = new QWidget(&m_window);
        strip->setGeometry(0, 540, 760, 50);
        for (int i = 0; i < 12; ++i) {
            auto* b = new QPushButton(QString::number(53 + i), strip);
            b->setGeometry(4 + i * 62, 8, 58, 32);
        }
        m_photo = new QLabel(&m_window);
        m_photo->setGeometry(photoRect());
        m_photo->setScaledContents(true);
        m_photo->setFrameStyle(QFrame::Box);
    }
    QWidget* panelParent() override { return &m_window; }
    QRect yearStripSpan() const override { return QRect(0, 0, 760, 600); }
    QRect photoRect() const override { return QRect(180, 60, 440, 330); }
    QRect clientRect() const override { return m_window.rect(); }
    void setMainWindowEnabled(bool enabled) override
    {
        for (QObject* o : m_window.children())
            if (auto* w = qobject_cast<QWidget*>(o); w && !w->inherits("QFrame"))
                w->setEnabled(enabled);
    }
    void focusNextYearButton() override {}
    void showPhoto(const QString& path) { m_photo->setPixmap(QPixmap(path)); }
    QWidget& window() { return m_window; }

private:
    QWidget m_window;
    QLabel* m_photo;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: zephane-output-harness MEDIA PROGRAM SAVERFOLDER SHOTS\n");
        return 2;
    }
    const QString media = QDir(args[1]).absolutePath(), programFolder = QDir(args[2]).absolutePath();
    const QString shots = QDir(args[4]).absolutePath();
    QDir().mkpath(shots);

    PrintedMessages messages;
    LinuxProcesses processes;
    NoDrives drives;
    QtScreen screen;
    QtMediaDevice splash, mediaDevice, movieDevice;
    QtDesktop desktop;
    QtClock clock;
    QtClipboard clipboard;
    QtPrinter::Options printOptions;
    printOptions.useSystemPrinter = false;
    printOptions.fallbackFolder = shots;
    QtPrinter printer(&messages, printOptions);
    LinuxFileSystem fs(QDir(args[3]).absolutePath());
    Ports ports{processes,   messages,  drives,  screen,  splash, mediaDevice,
                movieDevice, clipboard, printer, desktop, clock,  fs};
    Session session(ports, programFolder);
    session.roots.mediaRoot = media;
    session.roots.photoRoot = media;
    LoadPhotoIndex(session.index, session.roots, session.files, session.reporter);

    Frame frame;
    DocumentViewerHost viewer(session.documents, printer, frame.panelParent());
    OutputModule module(session, ports, frame, viewer);
    frame.window().show();

    auto shot = [&](const char* name) {
        QApplication::processEvents();
        frame.window().screen()->grabWindow(0).save(shots + QLatin1Char('/') + QLatin1String(name));
        std::printf("shot %s\n", name);
    };
    auto showPhoto = [&](int i) {
        session.selection.entryText = QStringLiteral("1953");
        session.step.currentPhotoPath = session.index.photoFile(i);
        if (const auto path = session.files.resolve(session.step.currentPhotoPath))
            frame.showPhoto(*path);
        if (session.hooks.refreshSaverButtons)
            session.hooks.refreshSaverButtons();
    };

    std::vector<std::function<void()>> steps;
    steps.push_back([&] {
        showPhoto(1);
        session.commands.run(Command::CopyPhotos);
        shot("1-copy-panel.png");
    });
    steps.push_back([&] {
        // Screenshots while the copy runs, from inside its event serving.
        int taken = 0;
        QTimer during;
        QObject::connect(&during, &QTimer::timeout, [&] {
            if (taken < 3)
                shot(QStringLiteral("2-copying-%1.png").arg(++taken).toLatin1().constData());
        });
        during.start(120);
        module.copyPanel()->findChild<QPushButton*>(QStringLiteral("cmdCopy"))->click();
        during.stop();
        std::printf("photo root now %s, %d photos\n", qPrintable(session.roots.photoRoot),
                    session.index.photoCount());
    });
    steps.push_back([&] {
        showPhoto(1);
        session.hooks.showSaverList();
        module.saverList()->move(620, 80);
        module.saverList()->findChild<QPushButton*>(QStringLiteral("SSCommand7"))->click();
        showPhoto(2);
        module.saverList()->findChild<QPushButton*>(QStringLiteral("SSCommand7"))->click();
    });
    steps.push_back([&] {
        shot("3-photo-list.png");
        session.hooks.closeSaverList();
    });
    steps.push_back([&] {
        session.commands.run(Command::InstallSaver);
        SaverInstallPanel* p = module.saverPanel();
        for (int i = 0; i < 6; ++i)
            p->findChild<QAbstractSpinBox*>(QStringLiteral("SpinInterval"))->stepUp();
        p->findChild<QRadioButton*>(QStringLiteral("Option1_1"))->setChecked(true);
        shot("4-saver-panel.png");
        p->findChild<QPushButton*>(QStringLiteral("SSCommand4"))->click();
        shot("5-saver-installed.png");
        p->hide();
    });
    steps.push_back([&] {
        session.commands.run(Command::PrintBooklet);
        BookletPanel* p = module.bookletPanel();
        for (int i : {0, 1, 2, 3, 4})
            p->findChild<QCheckBox*>(QStringLiteral("Check1_%1").arg(i))->setChecked(true);
        p->findChild<QListWidget*>(QStringLiteral("List1_0"))->setCurrentRow(10);
        p->findChild<QListWidget*>(QStringLiteral("List1_1"))->setCurrentRow(12);
        shot("6-print-panel.png");
        p->findChild<QPushButton*>(QStringLiteral("cmdPrint"))->click();
        shot("7-printed.png");
    });
    steps.push_back([&] { app.quit(); });

    int next = 0;
    QTimer walk;
    QObject::connect(&walk, &QTimer::timeout, [&] {
        walk.stop();
        if (next < int(steps.size()))
            steps[size_t(next++)]();
        walk.start(400);
    });
    walk.start(800);
    return app.exec();
}
