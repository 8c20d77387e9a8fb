// Opening the media to the first photo: the demo tree as a folder, and the same tree as a disc image
// mounted with fuseiso (mount, photo index, first photo decoded at the size the main window shows it).
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "catalog/errorreporter.h"
#include "catalog/mediafiles.h"
#include "catalog/mediaopener.h"
#include "catalog/mediaroots.h"
#include "catalog/photoindex.h"
#include "demomedia.h"
#include "fakes/fakedesktop.h"
#include "fakes/fakedrives.h"
#include "fakes/fakemessages.h"
#include "fakes/fakeprocesses.h"
#include "platform/qt/fuseisomount.h"
#include "platform/qt/linuxdiscimages.h"

namespace {

// The whole demo tree (about 29 MB) and a Joliet/Rock Ridge image of it, made once.
struct DemoDisc {
    QTemporaryDir dir;
    QString error;

    DemoDisc()
    {
        demomedia::Options o;
        o.mediaDir = tree();
        o.programDir = dir.path() + QStringLiteral("/program");
        const QStringList errors = demomedia::generate(o).errors;
        if (!errors.isEmpty()) {
            error = errors.first();
            return;
        }
        QString tool = QStandardPaths::findExecutable(QStringLiteral("genisoimage"));
        QStringList args;
        if (tool.isEmpty()) {
            tool = QStandardPaths::findExecutable(QStringLiteral("xorriso"));
            args << QStringLiteral("-as") << QStringLiteral("mkisofs");
        }
        args << QStringLiteral("-quiet") << QStringLiteral("-J") << QStringLiteral("-R")
             << QStringLiteral("-o") << image() << tree();
        if (tool.isEmpty() || QProcess::execute(tool, args) != 0)
            error = QStringLiteral("genisoimage or xorriso is needed to make the image");
    }
    QString tree() const { return dir.path() + QStringLiteral("/tree"); }
    QString image() const { return dir.path() + QStringLiteral("/disc.iso"); }
    static DemoDisc& get()
    {
        static DemoDisc disc;
        return disc;
    }
};

void BM_OpenMediaToFirstPhoto(benchmark::State& state)
{
    DemoDisc& disc = DemoDisc::get();
    if (!disc.error.isEmpty()) {
        state.SkipWithError(qPrintable(disc.error));
        return;
    }
    const bool image = state.range(0) == 1;
    const QString runtime = disc.dir.path() + QStringLiteral("/run");
    for (auto _ : state) {
        std::vector<std::unique_ptr<IImageMountMethod>> methods;
        methods.push_back(std::make_unique<FuseIsoMount>());
        LinuxDiscImages images(runtime, std::move(methods));
        FakeDrives drives;
        MediaFiles files(drives);
        FakeDesktop settings;
        MediaOpener opener(images, settings, files);
        ErrorState errors;
        FakeMessages messages;
        FakeProcesses processes;
        ErrorReporter reporter(errors, messages, processes);

        const MediaOpener::Opened opened = opener.open(image ? disc.image() : disc.tree());
        if (!opened.ok()) {
            state.SkipWithError(qPrintable(opened.error));
            return;
        }
        MediaRoots roots;
        roots.mediaRoot = roots.photoRoot = roots.programFolder = opened.root;
        PhotoIndex index;
        if (!LoadPhotoIndex(index, roots, files, reporter) || index.photoCount() == 0) {
            state.SkipWithError("no photo index");
            return;
        }
        QImageReader reader(files.resolve(index.photoFiles.first()).value_or(QString()));
        reader.setScaledSize(QSize(620, 356));
        const QImage photo = reader.read();
        if (photo.isNull()) {
            state.SkipWithError("the first photo does not decode");
            return;
        }
        benchmark::DoNotOptimize(photo.constBits());
        state.PauseTiming(); // the unmount at the end of the run is not part of opening
        images.releaseAll();
        state.ResumeTiming();
    }
    state.SetLabel(image ? "disc image (fuseiso)" : "folder");
}
BENCHMARK(BM_OpenMediaToFirstPhoto)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10);

} // namespace
