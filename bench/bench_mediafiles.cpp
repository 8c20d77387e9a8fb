// Media look-ups: resolving a file deep in the tree, the exact spelling and another case, with the check that
// the result stays inside the root once symbolic links are followed.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "../tests/fakes/fakedrives.h"
#include "catalog/mediafiles.h"

namespace {

struct Tree {
    Tree()
    {
        QDir().mkpath(dir.path() + QStringLiteral("/RichText/Deep"));
        for (int i = 0; i < 2000; ++i) {
            QFile f(dir.path() + QStringLiteral("/RichText/Deep/%1DESC.RTF").arg(i));
            if (f.open(QIODevice::WriteOnly))
                f.write("x");
        }
        drives.letters.insert(QLatin1Char('E'), dir.path());
    }
    QTemporaryDir dir;
    FakeDrives drives;
};

void BM_ResolveExactSpelling(benchmark::State& state)
{
    Tree tree;
    MediaFiles files(tree.drives);
    for (auto _ : state)
        benchmark::DoNotOptimize(files.resolve(QStringLiteral("E:\\RichText\\Deep\\1234DESC.RTF")));
}
BENCHMARK(BM_ResolveExactSpelling)->Unit(benchmark::kMicrosecond);

void BM_ResolveOtherCase(benchmark::State& state)
{
    Tree tree;
    MediaFiles files(tree.drives);
    for (auto _ : state)
        benchmark::DoNotOptimize(files.resolve(QStringLiteral("E:\\richtext\\deep\\1234desc.rtf")));
}
BENCHMARK(BM_ResolveOtherCase)->Unit(benchmark::kMicrosecond);

} // namespace
