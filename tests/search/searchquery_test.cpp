// How typed queries are taken apart and how text is cut into words, folded and matched.
#include <gtest/gtest.h>

#include "search/searchdocuments.h"
#include "search/searchquery.h"
#include "search/searchtext.h"
#include "search/textmatches.h"
#include "search/vocabulary.h"

namespace {

QStringList terms(const QString& text)
{
    QStringList out;
    for (const searchtext::Word& w : searchtext::words(text))
        out << w.term;
    return out;
}

// A stand-in stemmer for the matching rules: drops a final "s".
QString dropS(const QString& w)
{
    return w.endsWith(QLatin1Char('s')) ? w.chopped(1) : w;
}

QStringList matched(const QString& text, const QString& query)
{
    QStringList out;
    for (const searchtext::Span& s : textmatches::find(text, parseQuery(query), dropS))
        out << text.mid(s.start, s.length);
    return out;
}

TEST(SearchText, FoldsCaseAccentsAndLigatures)
{
    EXPECT_EQ(searchtext::fold(QStringLiteral("CITROËN")), QStringLiteral("citroen"));
    EXPECT_EQ(searchtext::fold(QStringLiteral("Café")), QStringLiteral("cafe"));
    EXPECT_EQ(searchtext::fold(QStringLiteral("Straße")), QStringLiteral("strasse"));
    EXPECT_EQ(searchtext::fold(QStringLiteral("Ærø")), QStringLiteral("aero"));
    EXPECT_EQ(searchtext::fold(QStringLiteral("ﬁnal")), QStringLiteral("final"));
    // Decomposed input folds the same as composed input.
    EXPECT_EQ(searchtext::fold(QStringLiteral("Cafe\u0301")), QStringLiteral("cafe"));
}

TEST(SearchText, CutsWordsAtPunctuationAndKeepsInnerApostrophes)
{
    EXPECT_EQ(terms(QStringLiteral("The 1990-1995 ZR-1, driver's car\u2029(fuel-injected!)")),
              (QStringList{"the", "1990", "1995", "zr", "1", "driver's", "car", "fuel", "injected"}));
    EXPECT_EQ(terms(QStringLiteral("Drivers\u2019 club 'quoted'")),
              (QStringList{"drivers", "club", "quoted"}));
    // Word positions point into the text as it stands.
    const auto words = searchtext::words(QStringLiteral("  Émile Zola"));
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[0].start, 2);
    EXPECT_EQ(words[0].length, 5);
    EXPECT_TRUE(terms(QString(200, QLatin1Char('a'))).isEmpty());
    EXPECT_TRUE(terms(QString()).isEmpty());
}

TEST(SearchText, AnAsciiWordRunsOnIntoWhatFollowsIt)
{
    // Accents, combining marks, curly apostrophes and other scripts carry a word that began in plain ASCII.
    EXPECT_EQ(terms(QStringLiteral("naïve Cafe\u0301 Drivers\u2019s Zo\u00EB-X abc\u6F22\u5B57 MOTOR'")),
              (QStringList{"naive", "cafe", "drivers's", "zoe", "x", "abc\u6F22\u5B57", "motor"}));
    const auto words = searchtext::words(QStringLiteral("Cafe\u0301 bar"));
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[0].length, 5); // the mark belongs to the word
    EXPECT_EQ(words[1].start, 6);
    // The length limit holds on either side of a plain word.
    EXPECT_EQ(terms(QString(searchtext::kMaxWordLength, QLatin1Char('A'))).size(), 1);
    EXPECT_TRUE(terms(QString(searchtext::kMaxWordLength + 1, QLatin1Char('A'))).isEmpty());
}

TEST(SearchText, FindsNeedlesWhateverTheirCaseAndAccents)
{
    const QString text = QStringLiteral("Résumé, RESUME and resume; Straße");
    const auto spans = searchtext::findFolded(text, QStringLiteral("resume"));
    ASSERT_EQ(spans.size(), 3u);
    EXPECT_EQ(text.mid(spans[0].start, spans[0].length), QStringLiteral("Résumé"));
    EXPECT_EQ(text.mid(spans[2].start, spans[2].length), QStringLiteral("resume"));
    const auto ss = searchtext::findFolded(text, QStringLiteral("strasse"));
    ASSERT_EQ(ss.size(), 1u);
    EXPECT_EQ(text.mid(ss[0].start, ss[0].length), QStringLiteral("Straße"));
    EXPECT_TRUE(searchtext::findFolded(text, QString()).empty());
}

TEST(SearchQuery, WordsPhrasesAndTheLastWordAsPrefix)
{
    SearchQuery q = parseQuery(QStringLiteral("Fuel \"Riverside  Red\" inj"));
    ASSERT_EQ(q.parts.size(), 3u);
    EXPECT_EQ(q.parts[0], (QueryPart{{"fuel"}, false, false}));
    EXPECT_EQ(q.parts[1], (QueryPart{{"riverside", "red"}, true, false}));
    EXPECT_EQ(q.parts[2], (QueryPart{{"inj"}, false, true}));

    // A blank after the last word: the word is complete.
    q = parseQuery(QStringLiteral("fuel inj "));
    ASSERT_EQ(q.parts.size(), 2u);
    EXPECT_FALSE(q.parts[1].prefix);

    // An open quote runs to the end and is no prefix; a quoted single word is a plain word.
    q = parseQuery(QStringLiteral("\"riverside red"));
    ASSERT_EQ(q.parts.size(), 1u);
    EXPECT_TRUE(q.parts[0].phrase);
    EXPECT_FALSE(q.parts[0].prefix);
    q = parseQuery(QStringLiteral("\"Engine\""));
    ASSERT_EQ(q.parts.size(), 1u);
    EXPECT_FALSE(q.parts[0].phrase);
    EXPECT_FALSE(q.parts[0].prefix);

    // Accents and case fold; repeats count once; text without words is no query.
    q = parseQuery(QStringLiteral("CITROËN citroen"));
    ASSERT_EQ(q.parts.size(), 1u);
    EXPECT_EQ(q.parts[0].words, QStringList{"citroen"});
    EXPECT_TRUE(parseQuery(QStringLiteral("  \"\" -- !")).isEmpty());

    // Little words among others are left out, but not from phrases, alone, or while being typed.
    q = parseQuery(QStringLiteral("colours of the 1963 "));
    ASSERT_EQ(q.parts.size(), 2u);
    EXPECT_EQ(q.allWords(), (QStringList{"colours", "1963"}));
    EXPECT_EQ(parseQuery(QStringLiteral("\"out of the blue\"")).allWords(),
              (QStringList{"out", "of", "the", "blue"}));
    EXPECT_EQ(parseQuery(QStringLiteral("the ")).allWords(), QStringList{"the"});
    EXPECT_EQ(parseQuery(QStringLiteral("fuel in")).allWords(), (QStringList{"fuel", "in"}));
    EXPECT_EQ(parseQuery(QStringLiteral("the eng")).allWords(), QStringList{"eng"});
    EXPECT_TRUE(parseQuery(QString()).isEmpty());
}

TEST(TextMatches, FindsWordsByStemPrefixAndPhrase)
{
    const QString text = QStringLiteral("Engines and an engine. Riverside Red, red riverside. Injection");
    EXPECT_EQ(matched(text, QStringLiteral("engine ")), (QStringList{"Engines", "engine"}));
    EXPECT_EQ(matched(text, QStringLiteral("inj")), QStringList{"Injection"});
    EXPECT_EQ(matched(text, QStringLiteral("\"riverside red\"")), QStringList{"Riverside Red"});
    EXPECT_TRUE(matched(text, QStringLiteral("\"red engine\"")).isEmpty());
    EXPECT_TRUE(matched(text, QString()).isEmpty());
}

TEST(TextMatches, SnippetShowsTheMatchesInContext)
{
    const QString text = QString(300, QLatin1Char('x')) +
                         QStringLiteral(" one two <fuel> & injection\n\nthree ") +
                         QString(300, QLatin1Char('y'));
    const auto spans = textmatches::find(text, parseQuery(QStringLiteral("fuel injection ")), dropS);
    ASSERT_EQ(spans.size(), 2u);
    const QString html = textmatches::snippet(text, spans, 80, true);
    EXPECT_TRUE(html.contains(QStringLiteral("&lt;<b>fuel</b>&gt; &amp; <b>injection</b> three")))
        << qPrintable(html);
    EXPECT_TRUE(html.startsWith(QChar(0x2026)));
    EXPECT_TRUE(html.endsWith(QChar(0x2026)));
    const QString plain = textmatches::snippet(text, spans, 80, false);
    EXPECT_TRUE(plain.contains(QStringLiteral("<fuel> & injection three"))) << qPrintable(plain);
    EXPECT_FALSE(plain.contains(QLatin1Char('\n')));
    EXPECT_LE(plain.size(), 82);
    // The quick way finds the same first matches, in a long text and with accents.
    EXPECT_EQ(textmatches::findFirst(text, parseQuery(QStringLiteral("fuel injection ")), dropS, 80), spans);
    const QString accented = QString(500, QLatin1Char('z')) + QStringLiteral(" \u00c9cole ecoles");
    const auto first = textmatches::findFirst(accented, parseQuery(QStringLiteral("ecole ")), dropS, 80);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(accented.mid(first[0].start, first[0].length), QStringLiteral("\u00c9cole"));
    EXPECT_TRUE(textmatches::findFirst(accented, parseQuery(QStringLiteral("zeppelin")), dropS, 80).empty());

    // No match: the beginning of the text.
    EXPECT_EQ(textmatches::snippet(QStringLiteral("  short text"), {}, 80, false),
              QStringLiteral("short text"));
}

TEST(SearchDocuments, EveryViewerDocumentOnceWithItsCaption)
{
    const auto& docs = searchdocuments::all();
    const SearchDocument* desc63 = searchdocuments::byPath(QStringLiteral("richtext/63DESC.rtf"));
    ASSERT_NE(desc63, nullptr);
    EXPECT_EQ(desc63->title(), QStringLiteral("1963 Description"));
    EXPECT_EQ(desc63->entry, QStringLiteral("1963"));
    const SearchDocument* desc2000 = searchdocuments::byPath(QStringLiteral("RichText/a0desc.rtf"));
    ASSERT_NE(desc2000, nullptr);
    EXPECT_EQ(desc2000->title(), QStringLiteral("2000 Description"));
    const SearchDocument* books = searchdocuments::byPath(QStringLiteral("RichText/books.rtf"));
    ASSERT_NE(books, nullptr);
    EXPECT_EQ(books->caption, QStringLiteral("The Zephane Folarium     Books"));
    EXPECT_EQ(books->entry, searchdocuments::kLibraryEntry);
    const SearchDocument* nostalgia = searchdocuments::byPath(QStringLiteral("richtext/nostalgia56.rtf"));
    ASSERT_NE(nostalgia, nullptr);
    EXPECT_EQ(nostalgia->title(), QStringLiteral("Nostalgia 1956"));
    const SearchDocument* ski = searchdocuments::byPath(QStringLiteral("richtext/skOPTS.rtf"));
    ASSERT_NE(ski, nullptr);
    EXPECT_EQ(ski->entry, QStringLiteral("Malibu Zephane Ski Boat"));
    EXPECT_EQ(ski->closeWidth, DocumentRequest::CloseWidth::Fixed);
    // All 13 magazines, the intro, each year's description; the file two entries share only once.
    int magazines = 0, shared = 0;
    for (const SearchDocument& d : docs) {
        magazines += d.path.name.startsWith(QLatin1String("mag"));
        shared += d.path.name.compare(QLatin1String("franklin.rtf"), Qt::CaseInsensitive) == 0;
    }
    EXPECT_EQ(magazines, 13);
    EXPECT_EQ(shared, 1);
    // The magazines share the viewer's caption; the result list tells them apart by their menu items.
    const SearchDocument* capers = searchdocuments::byPath(QStringLiteral("RichText/magcaprs.rtf"));
    ASSERT_NE(capers, nullptr);
    EXPECT_EQ(capers->title(), QStringLiteral("Magazines"));
    EXPECT_EQ(capers->entry, QStringLiteral("Library: Zephane Capers"));
    EXPECT_NE(searchdocuments::byPath(QStringLiteral("richtext/intro.rtf")), nullptr);
    EXPECT_GT(docs.size(), 200u);
}

} // namespace

TEST(Vocabulary, AWordBeingTypedStandsForTheStemsOfTheMostFrequentWordsItBegins)
{
    Vocabulary built;
    built.add(QStringLiteral("engines"), QStringLiteral("engin"), 3);
    built.add(QStringLiteral("engine"), QStringLiteral("engin"));
    built.add(QStringLiteral("engineering"), QStringLiteral("engin"));
    built.add(QStringLiteral("english"), QStringLiteral("english"), 5);
    built.add(QStringLiteral("engraved"), QStringLiteral("engrav"), 2);
    built.add(QStringLiteral("convertible"), QStringLiteral("convert"));
    built.add(QStringLiteral("citroën"), QStringLiteral("citroën"));
    built.add(QStringLiteral("engines"), QStringLiteral("engin")); // counted on, not listed twice
    const Vocabulary v = Vocabulary::parse(built.serialize());
    EXPECT_EQ(v.size(), 7u);
    // The most frequent first, each stem once, at most the limit.
    EXPECT_EQ(v.stemsOfWordsStartingWith(QStringLiteral("eng"), 10),
              (QStringList{"english", "engin", "engrav"}));
    EXPECT_EQ(v.stemsOfWordsStartingWith(QStringLiteral("eng"), 2), (QStringList{"english", "engin"}));
    // A prefix longer than the word's stem still finds it.
    EXPECT_EQ(v.stemsOfWordsStartingWith(QStringLiteral("convertib"), 10), QStringList{"convert"});
    EXPECT_EQ(v.stemsOfWordsStartingWith(QStringLiteral("citro"), 10), QStringList{"citroën"});
    EXPECT_TRUE(v.stemsOfWordsStartingWith(QStringLiteral("zz"), 10).isEmpty());
    // What is not a stored vocabulary reads as an empty one.
    EXPECT_EQ(Vocabulary::parse("not compressed at all").size(), 0u);
    EXPECT_EQ(Vocabulary::parse(QByteArray()).size(), 0u);
    EXPECT_EQ(Vocabulary::parse(qCompress(QByteArray("one field\nword\t\tnot-a-count-but-kept\n"))).size(),
              1u);
}
