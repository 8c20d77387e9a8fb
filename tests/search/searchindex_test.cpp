// The index: ranking, stemming, prefixes, phrases, accents, damaged documents and the cache on disk.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "searchfixture.h"

namespace {

const QByteArray kFiller =
    "The car was shown at the motor show in the autumn. Many owners kept theirs for decades, and clubs "
    "still meet every summer to compare notes on paint, trim, wheels and the rest of the details. ";

struct SearchIndexTest : SearchFixture {
    void addDemoDocuments()
    {
        // Names the words in its title (the heading) and in its text.
        add(QStringLiteral("RichText/ENGINES.rtf"),
            rtf("Fuel Injection Engines",
                "Fuel injection came in 1957. " + kFiller + kFiller + "The injected engines were rare."));
        // Mentions them once, deep in a longer text.
        add(QStringLiteral("richtext/63desc.rtf"),
            rtf("The 1963 Model", kFiller + kFiller + "One option was fuel injection. " + kFiller));
        add(QStringLiteral("RichText/64colors.rtf"),
            rtf("1964 Colours", "Riverside Red was new. " + kFiller + "Ermine White and Daytona Blue."));
        add(QStringLiteral("RichText/65colors.rtf"),
            rtf("1965 Colours", "Red interior with a riverside view. " + kFiller));
        add(QStringLiteral("RichText/books.rtf"),
            rtf("Books",
                "A biography of Andr\\'e9 Citro\\'ebn and a history of the caf\\'e9 racers. " + kFiller));
    }
};

TEST_F(SearchIndexTest, TitleWordsRankAboveASingleMention)
{
    addDemoDocuments();
    const auto index = build();
    ASSERT_TRUE(index);
    EXPECT_EQ(index->documentCount(), 5);
    const QStringList hits = titles(*index, QStringLiteral("fuel injection "));
    ASSERT_EQ(hits.size(), 2);
    EXPECT_EQ(hits[0], QStringLiteral("Zephane Engines"));
    EXPECT_EQ(hits[1], QStringLiteral("1963 Description"));
    // The caption's words count as the title too.
    EXPECT_EQ(titles(*index, QStringLiteral("description ")), QStringList{"1963 Description"});
}

TEST_F(SearchIndexTest, StemmingPrefixesPhrasesAccentsAndAllWords)
{
    addDemoDocuments();
    const auto index = build();
    ASSERT_TRUE(index);
    // "engine" finds "engines", "injections" finds "injection" and "injected".
    EXPECT_EQ(titles(*index, QStringLiteral("engine ")), QStringList{"Zephane Engines"});
    EXPECT_EQ(titles(*index, QStringLiteral("injections ")).size(), 2);
    // The last word while typing.
    EXPECT_EQ(titles(*index, QStringLiteral("daytona bl")), QStringList{"1964 Colors"});
    EXPECT_TRUE(titles(*index, QStringLiteral("daytona bl ")).isEmpty());
    // A word typed part-way past its stem ("inject") still finds it.
    EXPECT_EQ(titles(*index, QStringLiteral("fuel injecti")).size(), 2);
    // A phrase needs its words in order; the same words apart are no match.
    EXPECT_EQ(titles(*index, QStringLiteral("\"riverside red\"")), QStringList{"1964 Colors"});
    EXPECT_EQ(titles(*index, QStringLiteral("riverside red ")).size(), 2);
    // A phrase in the title counts; one that would run from the title into the text does not.
    EXPECT_EQ(titles(*index, QStringLiteral("\"1963 description\"")), QStringList{"1963 Description"});
    EXPECT_TRUE(titles(*index, QStringLiteral("\"library a biography\"")).isEmpty());
    int total = -1;
    EXPECT_EQ(index->search(parseQuery(QStringLiteral("\"riverside red\"")), 10, &total).size(), 1u);
    EXPECT_EQ(total, 1);
    // Any case, with or without accents.
    EXPECT_EQ(titles(*index, QStringLiteral("CITROEN")), QStringList{"Books"});
    EXPECT_EQ(titles(*index, QStringLiteral("citroën ")), QStringList{"Books"});
    EXPECT_EQ(titles(*index, QStringLiteral("cafe racers")), QStringList{"Books"});
    // All words must be there.
    EXPECT_TRUE(titles(*index, QStringLiteral("riverside injection ")).isEmpty());
    EXPECT_TRUE(titles(*index, QStringLiteral("zeppelin")).isEmpty());
    EXPECT_TRUE(titles(*index, QStringLiteral("   ")).isEmpty());
}

TEST_F(SearchIndexTest, HitsCarryASnippetWithTheMatches)
{
    addDemoDocuments();
    const auto index = build();
    ASSERT_TRUE(index);
    const auto hits = index->search(parseQuery(QStringLiteral("citroen")), 10);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_TRUE(hits[0].snippetHtml.contains(QStringLiteral("<b>Citroën</b>")))
        << qPrintable(hits[0].snippetHtml);
    EXPECT_TRUE(hits[0].snippet.contains(QStringLiteral("André Citroën")));
    EXPECT_EQ(hits[0].document->entry, searchdocuments::kLibraryEntry);
}

TEST_F(SearchIndexTest, DamagedDocumentsAreIndexedAsFarAsTheyCanBeRead)
{
    // Cut off in the middle of a group, and a file that is no RTF at all.
    add(QStringLiteral("RichText/ENGINES.rtf"),
        "{\\rtf1\\ansi {\\b Turbochargers} were fitted to the {\\i wastegate \\par models and then");
    add(QStringLiteral("richtext/63desc.rtf"), QByteArray("\x00\xff\xfe garbage \x01\x02 supercharger", 27));
    add(QStringLiteral("RichText/64OPTS.rtf"), QByteArray());
    const auto index = build();
    ASSERT_TRUE(index);
    EXPECT_EQ(index->documentCount(), 3);
    EXPECT_EQ(titles(*index, QStringLiteral("turbochargers wastegate")), QStringList{"Zephane Engines"});
    EXPECT_EQ(titles(*index, QStringLiteral("supercharger")), QStringList{"1963 Description"});
    // An empty document is still found by its caption.
    EXPECT_EQ(titles(*index, QStringLiteral("1964 options")), QStringList{"1964 Options"});
}

TEST_F(SearchIndexTest, StoredIndexIsReusedAndAChangedDiscIsIndexedAnew)
{
    addDemoDocuments();
    const indexcache::Media first = scan();
    ASSERT_TRUE(build());
    const QString path = indexcache::indexPath(cache(), first.fingerprint);
    ASSERT_TRUE(QFileInfo(path).isFile());
    EXPECT_TRUE(path.startsWith(cache() + QStringLiteral("/search-")));

    QString why;
    auto reopened = SearchIndex::open(path, first.fingerprint, &why);
    ASSERT_TRUE(reopened) << qPrintable(why);
    EXPECT_FALSE(reopened->inMemory());
    EXPECT_EQ(titles(*reopened, QStringLiteral("citroen")), QStringList{"Books"});

    // A changed document changes the fingerprint: the old index does not answer for the new disc.
    add(QStringLiteral("RichText/books.rtf"), rtf("Books", "Now about the Bugatti Royale."));
    const indexcache::Media second = scan();
    EXPECT_NE(second.fingerprint, first.fingerprint);
    EXPECT_FALSE(SearchIndex::open(indexcache::indexPath(cache(), second.fingerprint), second.fingerprint));
    // Even an index file at the new name that was built from other media is refused.
    QFile::copy(path, indexcache::indexPath(cache(), second.fingerprint));
    EXPECT_FALSE(
        SearchIndex::open(indexcache::indexPath(cache(), second.fingerprint), second.fingerprint, &why));
    EXPECT_TRUE(why.contains(QStringLiteral("other media"))) << qPrintable(why);

    const auto rebuilt = build();
    ASSERT_TRUE(rebuilt);
    EXPECT_EQ(titles(*rebuilt, QStringLiteral("bugatti")), QStringList{"Books"});
    EXPECT_TRUE(titles(*rebuilt, QStringLiteral("citroen")).isEmpty());
    // A new disc's index does not push out the previous one at once.
    EXPECT_TRUE(QFileInfo(path).isFile());
}

TEST_F(SearchIndexTest, CorruptIndexIsRefusedAndBuiltAgain)
{
    addDemoDocuments();
    const indexcache::Media media = scan();
    const QString path = indexcache::indexPath(cache(), media.fingerprint);
    ASSERT_TRUE(build());
    // Overwrite the stored index with rubbish of the same size, then with a truncated copy.
    for (const QByteArray& damage : {QByteArray(int(QFileInfo(path).size()), 'Z'), QByteArray("short")}) {
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(damage);
        }
        QString why;
        EXPECT_FALSE(SearchIndex::open(path, media.fingerprint, &why));
        EXPECT_FALSE(why.isEmpty());
        const auto rebuilt = build();
        ASSERT_TRUE(rebuilt);
        EXPECT_FALSE(rebuilt->inMemory());
        EXPECT_TRUE(SearchIndex::open(path, media.fingerprint));
        EXPECT_EQ(titles(*rebuilt, QStringLiteral("citroen")), QStringList{"Books"});
    }
}

TEST_F(SearchIndexTest, UnwritableCacheKeepsTheIndexInMemory)
{
    addDemoDocuments();
    // A file stands where the cache folder should be.
    QDir().mkpath(QFileInfo(cache()).absolutePath());
    {
        QFile f(cache());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a folder");
    }
    QString note;
    const auto index = build(&note);
    ASSERT_TRUE(index);
    EXPECT_TRUE(index->inMemory());
    EXPECT_FALSE(note.isEmpty());
    EXPECT_EQ(titles(*index, QStringLiteral("citroen")), QStringList{"Books"});
    // Nothing was lost: the file is as it was.
    QFile f(cache());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("not a folder"));
}

TEST_F(SearchIndexTest, EveryDocumentIsIndexedOnceUnderItsOwnName)
{
    // Every document the disc can hold, each with a word of its own: however the reading is shared out,
    // each is found once, as itself.
    const std::vector<SearchDocument>& all = searchdocuments::all();
    ASSERT_GT(all.size(), 100u);
    for (std::size_t i = 0; i < all.size(); ++i)
        add(all[i].path.slashPath(),
            rtf("Heading", "Text with the word mark" + QByteArray::number(i) + "x."));
    const auto index = build();
    ASSERT_TRUE(index);
    EXPECT_EQ(index->documentCount(), int(all.size()));
    for (std::size_t i = 0; i < all.size(); ++i) {
        const auto hits = index->search(parseQuery(QStringLiteral("\"mark%1x\"").arg(i)), 5);
        ASSERT_EQ(hits.size(), 1u) << i;
        EXPECT_EQ(hits[0].document, &all[i]) << i;
    }
}

TEST_F(SearchIndexTest, IndexThatCannotBeWrittenOutIsKeptInMemory)
{
    addDemoDocuments();
    const indexcache::Media media = scan();
    const QString path = indexcache::indexPath(cache(), media.fingerprint);
    // A folder stands where the finished index is first written, beside its place.
    const QString planted =
        path + QStringLiteral(".tmp-") + QString::number(QCoreApplication::applicationPid());
    ASSERT_TRUE(QDir().mkpath(planted + QStringLiteral("/keep")));
    QString note;
    const auto index = SearchIndex::build(media, path, {}, &note);
    ASSERT_TRUE(index);
    EXPECT_TRUE(index->inMemory());
    EXPECT_TRUE(note.contains(QStringLiteral("cannot write")));
    EXPECT_EQ(titles(*index, QStringLiteral("riverside red")).size(), 2);
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(QFileInfo(planted + QStringLiteral("/keep")).isDir()); // nothing of it was removed
}

TEST_F(SearchIndexTest, StoppedBuildLeavesNoIndex)
{
    addDemoDocuments();
    const indexcache::Media media = scan();
    const QString path = indexcache::indexPath(cache(), media.fingerprint);
    int calls = 0;
    const auto index = SearchIndex::build(media, path, [&](int, int) { return ++calls < 2; });
    EXPECT_FALSE(index);
    EXPECT_EQ(calls, 2);
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(SearchIndexTest, OldIndexFilesArePruned)
{
    QDir().mkpath(cache());
    for (int i = 0; i < 6; ++i) {
        QFile f(cache() + QStringLiteral("/search-%1.xapian").arg(i));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QFile other(cache() + QStringLiteral("/unrelated.txt"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    indexcache::prune(cache(), cache() + QStringLiteral("/search-0.xapian"), 3);
    const QStringList left = QDir(cache()).entryList(QDir::Files);
    EXPECT_EQ(left.size(), 4); // the current one, two others, the unrelated file
    EXPECT_TRUE(left.contains(QStringLiteral("search-0.xapian")));
    EXPECT_TRUE(left.contains(QStringLiteral("unrelated.txt")));
}

} // namespace
