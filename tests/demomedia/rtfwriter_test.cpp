#include <gtest/gtest.h>

#include "catalog/mediarules.h"
#include "documents.h"
#include "rtfwriter.h"

TEST(RtfWriter, EscapesSpecialCharactersAndTurnsMarkupIntoControlWords)
{
    RtfWriter w;
    w.paragraph("a {brace} and a \\ backslash, *bold*, _italic_, ^red^ and caf\u00e9");
    const QByteArray doc = w.finish();
    EXPECT_TRUE(doc.contains("a \\{brace\\} and a \\\\ backslash"));
    EXPECT_TRUE(doc.contains("\\b bold\\b0 "));
    EXPECT_TRUE(doc.contains("\\i italic\\i0 "));
    EXPECT_TRUE(doc.contains("\\cf2 red\\cf1 "));
    EXPECT_TRUE(doc.contains("caf\\'e9"));
    EXPECT_FALSE(doc.contains('*'));
}

TEST(RtfWriter, UnclosedMarkupIsClosedAtTheEndOfItsParagraph)
{
    RtfWriter w;
    w.paragraph("*never closed");
    w.paragraph("plain");
    const QByteArray doc = w.finish();
    const qsizetype plain = doc.indexOf("plain");
    const qsizetype off = doc.indexOf("\\b0");
    ASSERT_GT(off, 0);
    EXPECT_LT(off, plain);
}

TEST(RtfWriter, ExtraColoursFollowTheFixedTable)
{
    RtfWriter w;
    w.colouredLine("Venetian Red", 170, 20, 30);
    w.colouredLine("Nassau Blue", 40, 80, 160);
    const QByteArray doc = w.finish();
    EXPECT_TRUE(doc.contains("\\red170\\green20\\blue30;\\red40\\green80\\blue160;}"));
    EXPECT_TRUE(doc.contains("\\cf7 "));
    EXPECT_TRUE(doc.contains("\\cf8 "));
}

TEST(DemoDocuments, EachKindNamesItsEntryAndCarriesItsFormatting)
{
    using mediarules::ExpectedFile;
    using mediarules::Kind;
    const mediarules::MediaPath any{mediarules::Root::Media, "\\RichText\\", "x.rtf"};
    const QByteArray stats = documents::forFile(ExpectedFile{any, Kind::Statistics, "Pembry Cars ", false});
    EXPECT_TRUE(stats.contains("Pembry Cars Features"));
    EXPECT_TRUE(stats.contains("\\trowd"));
    const QByteArray desc = documents::forFile(ExpectedFile{any, Kind::Description, "1963", false});
    EXPECT_TRUE(desc.contains("1963 Description"));
    EXPECT_TRUE(desc.contains("\\b 1963\\b0"));
    EXPECT_TRUE(desc.contains("\\pnlvlblt"));
    EXPECT_FALSE(desc.contains('%'));  // every placeholder of the text templates was filled
    const QByteArray timeline = documents::forFile(
        ExpectedFile{{mediarules::Root::Media, "\\richtext\\", "timeline.rtf"}, Kind::LibraryText, "x", false});
    EXPECT_TRUE(timeline.contains("2000"));
    EXPECT_FALSE(timeline.contains("1983"));
    EXPECT_NE(documents::forFile(ExpectedFile{any, Kind::Options, "1953", false}),
              documents::forFile(ExpectedFile{any, Kind::Options, "1954", false}));
}
