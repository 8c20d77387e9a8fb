// zephane-folarium --search QUERY --media ROOT, run as a script runs it.
#include <QFileInfo>

#include "searchfixture.h"
#include "support/programrun.h"

namespace {

struct CliSearch : SearchFixture {
    void SetUp() override
    {
        // The build makes the program with these tests; its absence is a fault, not a reason to pass.
        ASSERT_TRUE(QFileInfo(ProgramRun::program()).isExecutable()) << qPrintable(ProgramRun::program());
        qputenv("XDG_CACHE_HOME", cacheDir.path().toUtf8());
        add(QStringLiteral("RichText/ENGINES.rtf"),
            rtf("Fuel Injection Engines", "Fuel injection came in 1957.\\tab Twin\\line quad."));
        add(QStringLiteral("richtext/63desc.rtf"),
            rtf("The 1963 Model", "A split window and fuel injection."));
    }
    static QStringList lines(const QByteArray& out)
    {
        return QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};

TEST_F(CliSearch, PrintsRankedHitsOneALine)
{
    const ProgramRun r = ProgramRun::run({"--search", "fuel injection", "--media", root()});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QStringList out = lines(r.out);
    ASSERT_EQ(out.size(), 2) << r.out.constData();
    const QStringList first = out[0].split(QLatin1Char('\t'));
    ASSERT_EQ(first.size(), 3) << qPrintable(out[0]);
    EXPECT_EQ(first[0], QStringLiteral("Zephane Engines"));
    EXPECT_EQ(first[1], QStringLiteral("RichText/ENGINES.rtf"));
    EXPECT_TRUE(
        first[2].startsWith(QStringLiteral("Fuel Injection Engines Fuel injection came in 1957. Twin quad.")))
        << qPrintable(first[2]);
    EXPECT_TRUE(out[1].startsWith(QStringLiteral("1963 Description\trichtext/63desc.rtf\t")));
    // The index was kept in the cache folder, and the next run uses it.
    EXPECT_EQ(QDir(cache()).entryList({QStringLiteral("search-*.xapian")}, QDir::Files).size(), 1);
    const ProgramRun reuse = ProgramRun::run({"--search", "1957", "--media", root()});
    EXPECT_EQ(reuse.exitCode, 0) << reuse.err.constData();
    EXPECT_EQ(lines(reuse.out).size(), 1);
    // The media may also be named first.
    const ProgramRun mediaFirst = ProgramRun::run({"--media", root(), "--search", "1957"});
    EXPECT_EQ(mediaFirst.exitCode, 0) << mediaFirst.err.constData();
    EXPECT_EQ(lines(mediaFirst.out).size(), 1);
}

TEST_F(CliSearch, NoHitExitsWithOne)
{
    const ProgramRun r = ProgramRun::run({"--search", "zeppelin", "--media", root()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty());
}

TEST_F(CliSearch, BadArgumentsExitWithTwoAndSayWhy)
{
    const QList<QStringList> bad = {
        {"--search"},
        {"--search", "fuel"},
        {"--search", "fuel", "--media"},
        {"--search", "fuel", "--media", root(), "extra"},
        {"--search", "fuel", "--media", root(), "--media", root()},
        {"--search", "  \"\" ", "--media", root()},
        {"--search", "fuel", "--media", root() + QStringLiteral("/nowhere")},
    };
    for (const QStringList& args : bad) {
        const ProgramRun r = ProgramRun::run(args);
        EXPECT_EQ(r.exitCode, 2) << qPrintable(args.join(' '));
        EXPECT_FALSE(r.err.isEmpty()) << qPrintable(args.join(' '));
        EXPECT_TRUE(r.out.isEmpty());
    }
}

TEST_F(CliSearch, UnwritableCacheStillAnswers)
{
    // A file where the cache folder should be: the index is kept in memory and nothing is lost.
    QFile f(cache());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("keep me");
    f.close();
    const ProgramRun r = ProgramRun::run({"--search", "split window", "--media", root()});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(lines(r.out).size(), 1);
    EXPECT_TRUE(r.err.contains("memory")) << r.err.constData();
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("keep me"));
}

} // namespace
