// The slide show playing the demo tree's photos in a 1920 x 1080 window: a tick whose slide was decoded
// ahead, a tick that has to decode it, the raw decode of the same files at the shown size, resident memory
// over 5,000 slides, and the processor time of the paused window over a few real seconds.
#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <memory>
#include <unistd.h>
#include <vector>

#include <QCoreApplication>
#include <QEventLoop>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include "demomedia.h"
#include "fakes/fakeclipboard.h"
#include "fakes/fakeclock.h"
#include "fakes/fakedesktop.h"
#include "fakes/fakedrives.h"
#include "fakes/fakefilesystem.h"
#include "fakes/fakemediadevice.h"
#include "fakes/fakemessages.h"
#include "fakes/fakeprinter.h"
#include "fakes/fakeprocesses.h"
#include "fakes/fakescreen.h"
#include "platform/qt/qtclock.h"
#include "session/session.h"
#include "shared/doc/photocache.h"
#include "slideshow/slidecontroller.h"
#include "slideshow/ui/slidepicture.h"
#include "slideshow/ui/slideshowwindow.h"

namespace {

// The demo tree's photos, written once per run.
struct DemoPhotos {
    QTemporaryDir dir;
    bool ok = false;
    DemoPhotos()
    {
        demomedia::Options o;
        o.mediaDir = o.programDir = dir.path();
        o.include = [](const mediarules::ExpectedFile& f) {
            return f.path.folder == mediarules::folder::kGraphics;
        };
        ok = demomedia::generate(o).errors.isEmpty();
    }
    static DemoPhotos& get()
    {
        static DemoPhotos d;
        return d;
    }
};

// The slide show in Photos mode on the demo photos, in a window of the given size.
struct Show {
    FakeProcesses processes;
    FakeMessages messages;
    FakeDrives drives;
    FakeScreen screen;
    FakeMediaDevice splash, media;
    FakeClipboard clipboard;
    FakePrinter printer;
    QtClock clock;
    FakeMediaDevice movieMedia;
    FakeDesktop desktop;
    FakeFileSystem fileSystem;
    Ports ports{processes,  messages,  drives,  screen,  splash, media,
                movieMedia, clipboard, printer, desktop, clock,  fileSystem};
    Session session{ports, QString()};
    SlideShowWindow window{clock, nullptr};
    SlideController controller{session, window, screen};

    Show(int w, int h) : screen(w, h)
    {
        const QString root = DemoPhotos::get().dir.path();
        session.roots.mediaRoot = session.roots.photoRoot = session.roots.programFolder = root;
        LoadPhotoIndex(session.index, session.roots, session.files, session.reporter);
        window.resize(w, h);
        window.show();
        controller.modeChange(0);
        controller.Play();
    }
    // The tick, and the slide painted as the screen would show it (rendered, so it is painted even where the
    // platform shows nothing).
    void tickAndPaint()
    {
        controller.photoTick();
        QWidget* image = window.control(SlideControl::Image1);
        if (frame.size() != image->size())
            frame = QImage(image->size(), QImage::Format_RGB32);
        image->render(&frame);
    }
    QImage frame;
};

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(p * double(v.size())))];
}

bool ready(benchmark::State& state)
{
    if (DemoPhotos::get().ok)
        return true;
    state.SkipWithError("the demo media tree could not be written");
    return false;
}

void tickCase(benchmark::State& state, bool preloaded)
{
    if (!ready(state))
        return;
    Show show(1920, 1080);
    std::vector<double> ms;
    for (auto _ : state) {
        state.PauseTiming();
        show.window.pictures().waitForPreloads();
        if (!preloaded)
            show.window.pictures().clear();
        state.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        show.tickAndPaint();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    state.counters["p50_ms"] = percentile(ms, 0.50);
    state.counters["p95_ms"] = percentile(ms, 0.95);
    state.counters["errors"] = double(show.messages.shown.size());
}

void BM_SlideTickPreloaded(benchmark::State& state)
{
    tickCase(state, true);
}
BENCHMARK(BM_SlideTickPreloaded)->Iterations(200)->Unit(benchmark::kMillisecond);

void BM_SlideTickCold(benchmark::State& state)
{
    tickCase(state, false);
}
BENCHMARK(BM_SlideTickCold)->Iterations(100)->Unit(benchmark::kMillisecond);

// The same files decoded at the size the window shows them, without the show around them.
void BM_SlideRawDecodeAtShownSize(benchmark::State& state)
{
    if (!ready(state))
        return;
    Show show(1920, 1080);
    const QSize shown = show.window.control(SlideControl::Image1)->size();
    const PhotoIndex& index = show.session.index;
    std::vector<double> ms;
    int i = 0;
    for (auto _ : state) {
        const QString file = *show.session.files.resolve(index.photoFile(1 + i++ % index.photoCount()));
        const auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(PhotoCache::decode(file, shown).width());
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    state.counters["p50_ms"] = percentile(ms, 0.50);
    state.counters["p95_ms"] = percentile(ms, 0.95);
}
BENCHMARK(BM_SlideRawDecodeAtShownSize)->Iterations(100)->Unit(benchmark::kMillisecond);

double residentMb()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// 5,000 ticks at the shortest delay, driven by hand, the window painting each slide. Growth is counted from
// the end of one full pass over the photos (caches, fonts and the allocator's pools in place), and also from
// the first slide.
void BM_SlideMemory5000(benchmark::State& state)
{
    if (!ready(state))
        return;
    Show show(1920, 1080);
    show.tickAndPaint();
    show.window.pictures().waitForPreloads();
    const double first = residentMb();
    for (int i = 0; i < show.session.index.photoCount(); ++i) {
        show.tickAndPaint();
        QCoreApplication::processEvents();
    }
    show.window.pictures().waitForPreloads();
    double before = 0, after = 0;
    for (auto _ : state) {
        before = residentMb();
        for (int i = 0; i < 5000; ++i) {
            show.tickAndPaint();
            QCoreApplication::processEvents();
            if (i % 1000 == 999)
                state.counters["rss_at_" + std::to_string(i + 1)] = residentMb();
        }
        show.window.pictures().waitForPreloads();
        after = residentMb();
    }
    state.counters["rss_before_MB"] = before;
    state.counters["rss_growth_from_first_slide_MB"] = after - first;
    state.counters["rss_growth_MB"] = after - before;
    state.counters["held_pictures"] = show.window.pictures().heldCount();
}
BENCHMARK(BM_SlideMemory5000)->Iterations(1)->Unit(benchmark::kSecond);

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// The paused window left alone for three real seconds with its clock running: processor time used.
void BM_SlidePausedCpu(benchmark::State& state)
{
    if (!ready(state))
        return;
    Show show(1920, 1080);
    show.controller.Pause();
    QCoreApplication::processEvents();
    show.window.pictures().waitForPreloads();
    double percent = 0;
    for (auto _ : state) {
        const double cpu0 = processCpuSeconds();
        const auto t0 = std::chrono::steady_clock::now();
        QEventLoop loop;
        QTimer::singleShot(3000, &loop, &QEventLoop::quit);
        loop.exec();
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        percent = 100.0 * (processCpuSeconds() - cpu0) / wall;
    }
    state.counters["cpu_percent_of_one_core"] = percent;
}
BENCHMARK(BM_SlidePausedCpu)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
