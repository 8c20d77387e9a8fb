// Photo index build and photo-step latency: the raw decode of a photo, a step that decodes it (cache miss)
// and a step to a photo decoded ahead (preloaded), both including the paint of the photo control, over the
// same generated photo files.
#include <algorithm>
#include <chrono>
#include <memory>
#include <random>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>
#include <QTemporaryDir>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include "app/program.h"
#include "catalog/errorreporter.h"
#include "catalog/mediafiles.h"
#include "catalog/mediaroots.h"
#include "catalog/photoindex.h"
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
#include "mainwin/maincontroller.h"
#include "mainwin/ui/mainwindow.h"
#include "mainwin/ui/mainwindowmodule.h"
#include "mainwin/ui/splashwindow.h"

namespace {

constexpr int kPhotos = 8;

// A temporary program folder with kPhotos photos of 1024 x 768 for the year 1953, made once.
struct PhotoTree {
    QTemporaryDir dir;
    QStringList files;

    PhotoTree()
    {
        QDir().mkpath(dir.path() + "/zephanes");
        std::mt19937 rng(53);
        for (int i = 0; i < kPhotos; ++i) {
            QImage img(1024, 768, QImage::Format_RGB32);
            QPainter p(&img);
            QRadialGradient g(QPointF(200 + i * 60, 300), 700);
            g.setColorAt(0, QColor::fromHsv(i * 40, 160, 240));
            g.setColorAt(1, QColor::fromHsv((i * 40 + 120) % 360, 220, 60));
            p.fillRect(img.rect(), g);
            for (int s = 0; s < 400; ++s) { // detail, so the file is photo-sized rather than flat
                p.setPen(QColor::fromHsv(int(rng() % 360), 200, int(rng() % 256)));
                p.drawLine(int(rng() % 1024), int(rng() % 768), int(rng() % 1024), int(rng() % 768));
            }
            p.end();
            const QString path = dir.path() + QStringLiteral("/zephanes/53%1.JPG").arg(QChar('A' + i));
            img.save(path, "JPG", 85);
            files << path;
        }
    }
    static PhotoTree& get()
    {
        static PhotoTree tree;
        return tree;
    }
};

// The program with its main window on the photo tree, 1953 chosen.
struct BenchProgram {
    FakeProcesses processes;
    FakeMessages messages;
    FakeDrives drives;
    FakeScreen screen{800, 600};
    FakeMediaDevice splash, media, movie;
    FakeClipboard clipboard;
    FakePrinter printer;
    FakeDesktop desktop;
    FakeClock clock;
    FakeFileSystem fileSystem;
    Ports ports{processes, messages,  drives,  screen,  splash, media,
                movie,     clipboard, printer, desktop, clock,  fileSystem};
    std::unique_ptr<Program> app;
    QToolButton* forward = nullptr;

    BenchProgram()
    {
        app = std::make_unique<Program>(ports, PhotoTree::get().dir.path());
        app->start(QStringLiteral("HWI"));
        QMetaObject::invokeMethod(&app->splash()->timer(), "timeout", Qt::DirectConnection);
        window().yearButton(1)->click();
        forward = window().findChild<QToolButton*>(QStringLiteral("SpinUp"));
    }
    MainWindow& window() { return app->mainWindowModule()->window(); }
    void stepAndPaint()
    {
        forward->click();
        window().findChild<QLabel*>(QStringLiteral("Image4"))->repaint();
    }
};

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

void BM_LoadPhotoIndex(benchmark::State& state)
{
    const int n = int(state.range(0));
    QStringList names;
    std::mt19937 rng(1);
    const char* codes[] = {"53", "64", "77", "99", "A0", "AZ", "TT", "CV", "ZZ"};
    for (int i = 0; i < n; ++i)
        names << QStringLiteral("%1%2.jpg")
                     .arg(QLatin1String(codes[rng() % 9]))
                     .arg(rng() % 1000000, 6, 10, QLatin1Char('0'));
    for (auto _ : state) {
        PhotoIndex index;
        buildPhotoIndex(index, names, QStringLiteral("E:"));
        buildClipArtIndex(index, names.mid(0, 200), QStringLiteral("E:"));
        benchmark::DoNotOptimize(index.photoFiles.size());
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_LoadPhotoIndex)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_RawDecode(benchmark::State& state)
{
    const QStringList& files = PhotoTree::get().files;
    int i = 0;
    for (auto _ : state) {
        QImageReader reader(files[i++ % files.size()]);
        const QImage img = reader.read();
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_RawDecode)->Unit(benchmark::kMillisecond);

void BM_StepCacheMiss(benchmark::State& state)
{
    BenchProgram program;
    std::vector<double> ms;
    for (auto _ : state) {
        state.PauseTiming();
        program.window().photoCache().waitForPreloads();
        program.window().photoCache().clear(); // nothing decoded ahead
        state.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        program.stepAndPaint();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    state.counters["p95_ms"] = percentile(ms, 0.95);
}
BENCHMARK(BM_StepCacheMiss)->Unit(benchmark::kMillisecond);

void BM_StepPreloaded(benchmark::State& state)
{
    BenchProgram program;
    std::vector<double> ms;
    for (auto _ : state) {
        state.PauseTiming();
        program.window().photoCache().waitForPreloads(); // the neighbours are ready, as after a pause
        state.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        program.stepAndPaint();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    state.counters["p95_ms"] = percentile(ms, 0.95);
    state.counters["cached_photos"] = program.window().photoCache().heldCount();
}
BENCHMARK(BM_StepPreloaded)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// The whole start-up step: listing a folder of n photo files through MediaFiles, then sorting and numbering.
void BM_LoadPhotoIndexFromFolder(benchmark::State& state)
{
    const int n = int(state.range(0));
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + "/zephanes");
    QDir().mkpath(dir.path() + "/clipart");
    std::mt19937 rng(2);
    for (int i = 0; i < n; ++i) {
        QFile f(dir.path() +
                QStringLiteral("/zephanes/%1%2.jpg").arg(int(rng() % 47) + 53).arg(i, 6, 10, QChar('0')));
        f.open(QIODevice::WriteOnly);
    }
    FakeDrives drives;
    FakeMessages messages;
    FakeProcesses processes;
    ErrorState errors;
    ErrorReporter reporter(errors, messages, processes);
    MediaFiles files(drives);
    MediaRoots roots{dir.path(), dir.path(), dir.path(), QString()};
    for (auto _ : state) {
        PhotoIndex index;
        LoadPhotoIndex(index, roots, files, reporter);
        benchmark::DoNotOptimize(index.photoFiles.size());
    }
}
BENCHMARK(BM_LoadPhotoIndexFromFolder)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
