// Throughput of the RTF reader (tokenising, full import into a QTextDocument) and how its time grows with
// the input: for ordinary documents and for hostile shapes, twice the input must cost about twice the time.
#include <algorithm>
#include <chrono>
#include <string>

#include <QByteArray>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include "viewers/doc/rtfimporter.h"
#include "viewers/doc/rtftokenizer.h"

namespace {

// A document written the way WordPad writes: font and colour tables, then paragraphs of formatted text
// with accented letters as \'hh and the odd \u.
QByteArray wordPadDocument(qsizetype bytes)
{
    QByteArray out =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
        "{\\f1\\froman\\fprq2\\fcharset0 Times New Roman;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;"
        "\\red0\\green0\\blue255;}\r\n{\\*\\generator Msftedit 5.41.15.1507;}\\viewkind4\\uc1"
        "\\pard\\f0\\fs20 ";
    int n = 0;
    while (out.size() < bytes) {
        out += "The 1963 Zephane coup\\'e9 came with a \\b 327 cubic-inch\\b0  engine, \\i four-speed\\i0  "
               "gearbox and \\cf1 optional\\cf0  knock-off wheels; \\ldblquote fuel injection\\rdblquote  "
               "cost extra \\u8212? about $430.\\par\r\n";
        if (++n % 8 == 0)
            out += "\\pard\\qc\\f1\\fs28 Section heading\\par\r\n\\pard\\f0\\fs20 ";
    }
    out += "}";
    return out;
}

QByteArray deepNesting(qsizetype bytes)
{
    const qsizetype depth = bytes / 2;
    return "{\\rtf1 " + QByteArray(depth, '{') + "deep" + QByteArray(depth, '}') + "}";
}

QByteArray manyGroups(qsizetype bytes)
{
    QByteArray out = "{\\rtf1 ";
    while (out.size() < bytes)
        out += "{\\b x}{\\i y}{\\*\\bkmkstart z}";
    return out + "}";
}

QByteArray hugeParagraph(qsizetype bytes)
{
    QByteArray out = "{\\rtf1 ";
    while (out.size() < bytes)
        out += "words without any paragraph end \\b and \\b0 some \\'e9 ";
    return out + "}";
}

QByteArray manyFonts(qsizetype bytes)
{
    QByteArray out = "{\\rtf1{\\fonttbl";
    int fonts = 0;
    while (out.size() < bytes / 2) {
        out += "{\\f" + QByteArray::number(fonts) + "\\fswiss\\fcharset0 Font number " +
               QByteArray::number(fonts) + ";}";
        ++fonts;
    }
    out += "}";
    for (int i = 0; out.size() < bytes; i = (i + 7919) % std::max(1, fonts))
        out += "\\f" + QByteArray::number(i) + " text ";
    return out + "}";
}

QByteArray longTable(qsizetype bytes)
{
    QByteArray out = "{\\rtf1 ";
    for (int i = 0; out.size() < bytes; ++i)
        out += "\\trowd\\cellx1500\\cellx3000\\cellx4500\\pard\\intbl " + QByteArray::number(i) +
               "\\cell Coupe\\cell 1,500\\cell\\row\r\n";
    return out + "\\pard after\\par}";
}

using Generator = QByteArray (*)(qsizetype);
struct Shape {
    const char* name;
    Generator make;
};
const Shape kShapes[] = {{"wordpad", wordPadDocument},
                         {"deep_nesting", deepNesting},
                         {"many_groups", manyGroups},
                         {"huge_paragraph", hugeParagraph},
                         {"many_fonts", manyFonts},
                         {"long_table", longTable}};

std::size_t tokenize(const QByteArray& bytes)
{
    RtfTokenizer tok(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    std::size_t count = 0;
    while (tok.next().kind != RtfTokenizer::Kind::End)
        ++count;
    return count;
}

double importSeconds(const QByteArray& bytes)
{
    QTextDocument doc;
    const auto start = std::chrono::steady_clock::now();
    const RtfImportResult r = RtfImporter().import(bytes, doc);
    benchmark::DoNotOptimize(r.textLength);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

static void BM_RtfTokenize(benchmark::State& state)
{
    const QByteArray doc = wordPadDocument(8 << 20);
    for (auto _ : state)
        benchmark::DoNotOptimize(tokenize(doc));
    state.SetBytesProcessed(state.iterations() * doc.size());
}
BENCHMARK(BM_RtfTokenize)->Unit(benchmark::kMillisecond);

static void BM_RtfImportWordPad(benchmark::State& state)
{
    const QByteArray doc = wordPadDocument(state.range(0));
    for (auto _ : state) {
        QTextDocument out;
        benchmark::DoNotOptimize(RtfImporter().import(doc, out).textLength);
    }
    state.SetBytesProcessed(state.iterations() * doc.size());
}
BENCHMARK(BM_RtfImportWordPad)->Arg(64 << 10)->Arg(4 << 20)->Unit(benchmark::kMillisecond);

// Imports 1x and 2x the input of one shape and reports ratio = time(2x) / time(1x), best of five each,
// interleaved so a busy machine hits both alike.
static void BM_RtfLinearity(benchmark::State& state)
{
    const Shape& shape = kShapes[state.range(0)];
    const qsizetype base = 1 << 20;
    const QByteArray one = shape.make(base);
    const QByteArray two = shape.make(2 * base);
    double t1 = 0, t2 = 0;
    for (auto _ : state) {
        t1 = t2 = 1e9;
        for (int i = 0; i < 5; ++i) {
            t1 = std::min(t1, importSeconds(one));
            t2 = std::min(t2, importSeconds(two));
        }
    }
    state.SetLabel(shape.name);
    state.counters["ratio"] = t2 / t1;
    state.counters["MB/s"] = double(two.size()) / t2 / 1e6;
}
BENCHMARK(BM_RtfLinearity)->DenseRange(0, 5)->Iterations(1)->Unit(benchmark::kMillisecond);
