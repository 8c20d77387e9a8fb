// Full-text search on the demo tree's documents and on a tree ten times its size: building the index
// against reading every document with the RTF reader alone, opening the stored index, a query at every
// keystroke (p95, with the snippets of the result list), and the stored index's size against the text's.
#include <algorithm>
#include <chrono>
#include <map>
#include <vector>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "catalog/mediafiles.h"
#include "demomedia.h"
#include "fakes/fakedrives.h"
#include "search/indexcache.h"
#include "search/searchcontroller.h"
#include "search/xapian/searchindex.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The part of a generated document after its header (font and colour tables), without the closing brace.
QByteArray body(const QByteArray& rtf)
{
    const qsizetype start = rtf.indexOf("\\pard");
    const qsizetype end = rtf.lastIndexOf('}');
    return start < 0 || end <= start ? QByteArray() : rtf.mid(start, end - start);
}

// The demo tree's documents (scale 1), or each of them followed by the bodies of the next nine (scale 10):
// ten times the text, with the demo tree's own mix of words.
struct Tree {
    QTemporaryDir dir;
    QString root;
    indexcache::Media media;
    qint64 textBytes = 0;

    explicit Tree(int scale)
    {
        root = dir.path() + QStringLiteral("/media");
        demomedia::Options o;
        o.mediaDir = root;
        o.programDir = dir.path() + QStringLiteral("/program");
        o.photos = false;
        o.include = [](const mediarules::ExpectedFile& f) {
            using K = mediarules::Kind;
            return f.kind == K::Description || f.kind == K::Statistics || f.kind == K::Options ||
                   f.kind == K::Colors || f.kind == K::Nostalgia || f.kind == K::LibraryText ||
                   f.kind == K::SeriesText;
        };
        demomedia::generate(o);
        if (scale > 1)
            enlarge(scale);
        FakeDrives drives;
        MediaFiles files(drives);
        media = indexcache::scan(files, root);
        for (const indexcache::Source& s : media.sources)
            textBytes += searchengine::documentText(s.realPath).toUtf8().size();
    }

    void enlarge(int scale)
    {
        QStringList paths;
        QDirIterator it(root, {QStringLiteral("*.rtf")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            paths << it.next();
        paths.sort();
        std::map<QString, QByteArray> original;
        for (const QString& p : paths) {
            QFile f(p);
            if (f.open(QIODevice::ReadOnly))
                original[p] = f.readAll();
        }
        for (int i = 0; i < paths.size(); ++i) {
            QByteArray doc = original[paths[i]];
            const qsizetype end = doc.lastIndexOf('}');
            if (end < 0)
                continue;
            QByteArray more;
            for (int k = 1; k < scale; ++k)
                more += "\\page\n" + body(original[paths[(i + k) % paths.size()]]);
            doc.insert(end, more);
            QFile f(paths[i]);
            if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
                f.write(doc);
        }
    }

    static Tree& get(int scale)
    {
        static std::map<int, std::unique_ptr<Tree>> trees;
        auto& t = trees[scale];
        if (!t)
            t = std::make_unique<Tree>(scale);
        return *t;
    }
};

// Queries as they grow while typed, one search per keystroke.
QStringList keystrokes()
{
    const QStringList queries = {QStringLiteral("fuel injection"),     QStringLiteral("\"riverside red\""),
                                 QStringLiteral("engines horsepower"), QStringLiteral("zephane club"),
                                 QStringLiteral("convertible top"),    QStringLiteral("magazine")};
    QStringList out;
    for (const QString& q : queries)
        for (int n = 1; n <= q.size(); ++n)
            out << q.left(n);
    return out;
}

void SearchBuildAgainstReading(benchmark::State& state)
{
    Tree& tree = Tree::get(int(state.range(0)));
    QTemporaryDir cache;
    double readMs = 0, buildMs = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        for (const indexcache::Source& s : tree.media.sources)
            benchmark::DoNotOptimize(searchengine::documentText(s.realPath));
        readMs += msSince(start);
        start = Clock::now();
        auto index =
            SearchIndex::build(tree.media, indexcache::indexPath(cache.path(), tree.media.fingerprint));
        buildMs += msSince(start);
        benchmark::DoNotOptimize(index);
    }
    const double n = double(state.iterations());
    state.counters["docs"] = double(tree.media.sources.size());
    state.counters["read_ms"] = readMs / n;
    state.counters["build_ms"] = buildMs / n;
    state.counters["build_to_read"] = buildMs / readMs; // goal: at most 1.5
}

void SearchOpenStoredIndex(benchmark::State& state)
{
    Tree& tree = Tree::get(int(state.range(0)));
    QTemporaryDir cache;
    const QString path = indexcache::indexPath(cache.path(), tree.media.fingerprint);
    SearchIndex::build(tree.media, path);
    double worst = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        auto index = SearchIndex::open(path, tree.media.fingerprint);
        // The first query reads what opening left for later.
        benchmark::DoNotOptimize(index->search(parseQuery(QStringLiteral("zephane")), 1));
        worst = std::max(worst, msSince(start));
    }
    state.counters["worst_ms"] = worst; // goal: at most 50
}

void SearchQueryWhileTyping(benchmark::State& state)
{
    Tree& tree = Tree::get(int(state.range(0)));
    QTemporaryDir cache;
    const QString path = indexcache::indexPath(cache.path(), tree.media.fingerprint);
    SearchIndex::build(tree.media, path);
    auto index = SearchIndex::open(path, tree.media.fingerprint);
    const QStringList typed = keystrokes();
    std::vector<double> times;
    for (auto _ : state) {
        for (const QString& q : typed) {
            const auto start = Clock::now();
            // As the search window asks: the first rows with their snippets.
            benchmark::DoNotOptimize(index->search(parseQuery(q), SearchController::kMaxRows));
            times.push_back(msSince(start));
        }
    }
    std::sort(times.begin(), times.end());
    state.counters["queries"] = double(times.size());
    state.counters["p50_ms"] = times[times.size() / 2];
    state.counters["p95_ms"] = times[std::min(times.size() - 1, times.size() * 95 / 100)]; // goal: at most 10
    state.counters["max_ms"] = times.back();
    state.counters["index_bytes"] = double(QFileInfo(path).size());
    state.counters["text_bytes"] = double(tree.textBytes);
    state.counters["index_to_text"] = double(QFileInfo(path).size()) / double(tree.textBytes); // goal: <= 1
}

BENCHMARK(SearchBuildAgainstReading)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(SearchOpenStoredIndex)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(SearchQueryWhileTyping)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
