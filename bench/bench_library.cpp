// Library, sound and movie latency on a generated demo tree: a library document from its menu command to
// the painted viewer (the largest demo document), a sound from the panel click to the playing state, and a
// movie from "open" to its first frame on the video sink (closing the movie before is reported apart).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <QDirIterator>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>

#include <benchmark/benchmark.h>

#include "catalog/mediarules.h"
#include "demomedia.h"
#include "fakes/fakeclipboard.h"
#include "fakes/fakedesktop.h"
#include "fakes/fakedrives.h"
#include "fakes/fakefilesystem.h"
#include "fakes/fakemainframe.h"
#include "fakes/fakemediadevice.h"
#include "fakes/fakemessages.h"
#include "fakes/fakeprinter.h"
#include "fakes/fakeprocesses.h"
#include "fakes/fakescreen.h"
#include "platform/qt/qtclock.h"
#include "platform/qt/qtmediadevice.h"
#include "session/session.h"
#include "shared/ui/documentviewerhost.h"
#include "shared/ui/documentwindow.h"
#include "viewers/ui/librarymodule.h"
#include "viewers/ui/soundpanel.h"

namespace {

using Clock = std::chrono::steady_clock;

// The library texts, sounds and movies of the demo tree, generated once.
struct DemoTree {
    QTemporaryDir dir;
    QStringList errors;

    DemoTree()
    {
        demomedia::Options o;
        o.mediaDir = dir.path() + QStringLiteral("/media");
        o.programDir = dir.path() + QStringLiteral("/program");
        o.photos = false;
        o.include = [](const mediarules::ExpectedFile& f) {
            return f.kind == mediarules::Kind::LibraryText || f.kind == mediarules::Kind::Sound ||
                   f.kind == mediarules::Kind::Movie;
        };
        errors = demomedia::generate(o).errors;
    }
    QString media() const { return dir.path() + QStringLiteral("/media"); }
    static DemoTree& get()
    {
        static DemoTree tree;
        return tree;
    }
};

// CPU time of the whole process (every GStreamer thread included): what a wait costs on an idle machine.
double processCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

// A session on the demo tree with the library module, a real viewer and real media devices.
struct Library {
    FakeProcesses processes;
    FakeMessages messages;
    FakeDrives drives;
    FakeScreen screen{800, 600};
    FakeMediaDevice splash;
    QtMediaDevice mainMedia, movieMedia;
    FakeClipboard clipboard;
    FakePrinter printer;
    FakeDesktop desktop;
    QtClock clock;
    FakeFileSystem fileSystem;
    Ports ports{processes,  messages,  drives,  screen,  splash, mainMedia,
                movieMedia, clipboard, printer, desktop, clock,  fileSystem};
    Session session{ports, DemoTree::get().dir.path() + QStringLiteral("/program")};
    FakeMainFrame frame;
    DocumentViewerHost viewer{session.documents, printer, &frame.widget};
    std::unique_ptr<LibraryModule> module;

    Library()
    {
        session.roots.mediaRoot = DemoTree::get().media();
        module = std::make_unique<LibraryModule>(session, ports, frame, viewer);
        frame.widget.show();
    }
};

bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (Clock::now() > end)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void BM_LibraryDocumentToPainted(benchmark::State& state)
{
    DemoTree& tree = DemoTree::get();
    if (!tree.errors.isEmpty()) {
        state.SkipWithError("the demo tree could not be written");
        return;
    }
    // The largest library document of the tree.
    const auto& rows = mediarules::libraryDocuments();
    int largest = -1;
    qint64 size = -1;
    for (int i = 0; i < int(rows.size()); ++i) {
        const QFileInfo f(rows[size_t(i)].path.in(tree.media()).replace(QLatin1Char('\\'), QLatin1Char('/')));
        if (f.size() > size) {
            size = f.size();
            largest = i;
        }
    }
    Library lib;
    lib.viewer.setHooks({{}, [](QDialog& d) {
                             d.show();
                             d.repaint();
                         }});
    std::vector<double> ms;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        if (!lib.session.commands.run(Command::LibraryDocument, largest) || !lib.messages.shown.empty()) {
            state.SkipWithError("the document did not open");
            return;
        }
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
        lib.viewer.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    state.counters["bytes"] = double(size);
    state.counters["p95_ms"] = percentile(ms, 0.95);
    state.counters["max_ms"] = percentile(ms, 1.0);
}
BENCHMARK(BM_LibraryDocumentToPainted)->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_SoundClickToPlaying(benchmark::State& state)
{
    Library lib;
    lib.session.commands.run(Command::SoundEffects);
    SoundPanel* panel = lib.module->soundPanel();
    panel->playButton(0)->click(); // the player is made by the first sound
    auto* player = lib.mainMedia.findChild<QMediaPlayer*>();
    if (!player) {
        state.SkipWithError("no player");
        return;
    }
    bool playing = false;
    QObject::connect(
        player, &QMediaPlayer::playbackStateChanged, player,
        [&playing](QMediaPlayer::PlaybackState s) { playing = playing || s == QMediaPlayer::PlayingState; });
    std::vector<double> ms, rolling;
    int i = 0;
    for (auto _ : state) {
        const int index = i++ % 27;
        playing = false;
        const auto t0 = Clock::now();
        panel->playButton(index)->click();
        if (!waitFor([&playing] { return playing; }, 3000) || !lib.messages.shown.empty()) {
            for (const auto& m : lib.messages.shown)
                std::fprintf(stderr, "message %s\n", qPrintable(m.text));
            state.SkipWithError("the sound did not play");
            return;
        }
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
        // And until the sound is running: its position moves (or a short one has already ended).
        waitFor(
            [player] { return player->position() > 0 || player->mediaStatus() == QMediaPlayer::EndOfMedia; },
            3000);
        rolling.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    panel->stopButton()->click();
    state.counters["p50_ms"] = percentile(ms, 0.5);
    state.counters["p95_ms"] = percentile(ms, 0.95);
    state.counters["running_p95_ms"] = percentile(rolling, 0.95);
}
BENCHMARK(BM_SoundClickToPlaying)->Iterations(30)->Unit(benchmark::kMillisecond);

void BM_MovieOpenToFirstFrame(benchmark::State& state)
{
    const DemoTree& tree = DemoTree::get();
    QtMediaDevice device;
    QVideoWidget picture;
    picture.resize(321, 217);
    picture.show();
    device.setDisplayWindow(&picture);
    int frames = 0;
    QObject::connect(picture.videoSink(), &QVideoSink::videoFrameChanged, &picture,
                     [&frames](const QVideoFrame& f) { frames += f.isValid() ? 1 : 0; });
    const auto& movies = mediarules::movies();
    std::vector<double> ms, cpu, closing;
    int i = 0;
    for (auto _ : state) {
        const auto& m = movies[size_t(i++) % movies.size()];
        const QString path =
            mediarules::movieFile(m).in(tree.media()).replace(QLatin1Char('\\'), QLatin1Char('/'));
        // Closing a playing movie is timed on its own: it is the previous movie's cost, not this one's.
        const auto tc = Clock::now();
        device.command(QStringLiteral("close"));
        closing.push_back(std::chrono::duration<double, std::milli>(Clock::now() - tc).count());
        QCoreApplication::processEvents(); // a frame of the closed movie still queued is not this one's
        frames = 0;
        const double c0 = processCpuMs();
        const auto t0 = Clock::now();
        device.setDeviceType(QStringLiteral("AVIVideo"));
        device.setFileName(path);
        if (!device.command(QStringLiteral("open")) || !device.command(QStringLiteral("play")) ||
            !waitFor([&frames] { return frames > 0; }, 5000)) {
            state.SkipWithError("no frame reached the video sink");
            return;
        }
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
        cpu.push_back(processCpuMs() - c0);
    }
    device.command(QStringLiteral("close"));
    state.counters["p50_ms"] = percentile(ms, 0.5);
    state.counters["p95_ms"] = percentile(ms, 0.95);
    state.counters["cpu_p95_ms"] = percentile(cpu, 0.95);
    state.counters["close_p95_ms"] = percentile(closing, 0.95);
}
BENCHMARK(BM_MovieOpenToFirstFrame)->Iterations(30)->Unit(benchmark::kMillisecond);

} // namespace
