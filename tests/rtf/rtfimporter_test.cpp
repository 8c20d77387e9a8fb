// The RTF reader on documents written like WordPad and Word 97, feature by feature, and on broken input.
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <gtest/gtest.h>

#include "viewers/doc/richtextdocument.h"
#include "viewers/doc/rtfimporter.h"
#include "viewers/doc/rtftokenizer.h"

namespace {

QByteArray dataFile(const char* name)
{
    QFile f(QStringLiteral(ZEPHANE_TEST_DATA "/rtf/") + QLatin1String(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

struct Imported {
    QTextDocument doc;
    RtfImportResult result;
    QString text;
};

std::unique_ptr<Imported> import(const QByteArray& rtf, const RtfLimits& limits = {})
{
    auto out = std::make_unique<Imported>();
    out->result = RtfImporter(limits).import(rtf, out->doc);
    out->text = richTextPlainText(out->doc);
    return out;
}

// The character format of the first occurrence of a text.
QTextCharFormat formatOf(const QTextDocument& doc, const QString& text)
{
    const QTextCursor found = doc.find(text);
    EXPECT_FALSE(found.isNull()) << qPrintable(text);
    QTextCursor c(found);
    c.setPosition(found.selectionStart() + 1);
    return c.charFormat();
}

QTextBlockFormat blockOf(const QTextDocument& doc, const QString& text)
{
    const QTextCursor found = doc.find(text);
    EXPECT_FALSE(found.isNull()) << qPrintable(text);
    return found.block().blockFormat();
}

QTextTable* firstTable(const QTextDocument& doc)
{
    for (QTextFrame* f : doc.rootFrame()->childFrames())
        if (auto* t = qobject_cast<QTextTable*>(f))
            return t;
    return nullptr;
}

} // namespace

// --- tokenizer -----------------------------------------------------------------------------------------

TEST(RtfTokenizer, SplitsWordsSymbolsHexAndText)
{
    RtfTokenizer tok("{\\b1 Hi\\'e9\\~\\par\r\n}");
    using K = RtfTokenizer::Kind;
    auto t = tok.next();
    EXPECT_EQ(t.kind, K::GroupOpen);
    t = tok.next();
    EXPECT_EQ(t.kind, K::Word);
    EXPECT_EQ(t.name, "b");
    EXPECT_TRUE(t.hasParam);
    EXPECT_EQ(t.param, 1);
    t = tok.next();
    EXPECT_EQ(t.kind, K::Text);
    EXPECT_EQ(t.name, "Hi"); // the blank after \b1 delimits the word
    t = tok.next();
    EXPECT_EQ(t.kind, K::Hex);
    EXPECT_EQ(t.param, 0xE9);
    t = tok.next();
    EXPECT_EQ(t.kind, K::Symbol);
    EXPECT_EQ(t.param, '~');
    t = tok.next();
    EXPECT_EQ(t.name, "par");
    EXPECT_EQ(tok.next().kind, K::GroupClose); // line ends are ignored
    EXPECT_EQ(tok.next().kind, K::End);
    EXPECT_EQ(tok.next().kind, K::End);
}

TEST(RtfTokenizer, BoundsHostileWordsParametersAndBinaryData)
{
    using K = RtfTokenizer::Kind;
    const std::string longWord = "\\" + std::string(100, 'a') + " x";
    RtfTokenizer a(longWord);
    auto t = a.next();
    EXPECT_EQ(t.kind, K::Word);
    EXPECT_TRUE(t.name.empty()); // too long: reported nameless, never truncated into a real word
    EXPECT_EQ(a.next().name, "x");

    RtfTokenizer b("\\fs99999999999999999999 \\li-99999999999999");
    EXPECT_EQ(b.next().param, RtfTokenizer::kMaxParameter);
    EXPECT_EQ(b.next().param, -RtfTokenizer::kMaxParameter);

    RtfTokenizer c("\\bin1000000 {}\\"); // more binary than there is input
    EXPECT_EQ(c.next().name, "bin");
    t = c.next();
    EXPECT_EQ(t.kind, K::Binary);
    EXPECT_EQ(t.name, "{}\\"); // braces inside the data are data
    EXPECT_EQ(c.next().kind, K::End);

    RtfTokenizer d("\\'zz\\'4"); // broken escapes yield nothing but the bytes after them
    t = d.next();
    EXPECT_EQ(t.kind, K::Text);
    EXPECT_EQ(t.name, "zz");
    EXPECT_EQ(d.next().kind, K::Text);
    EXPECT_EQ(d.next().kind, K::End);
}

// --- real-world shaped documents -----------------------------------------------------------------------

TEST(RtfImporter, WordPadDocumentRendersTextFormatsAndPicture)
{
    const auto d = import(dataFile("wordpad.rtf"));
    EXPECT_TRUE(d->result.isRtf);
    EXPECT_TRUE(d->text.startsWith(QStringLiteral("The Zephane Folarium\nBold and italic and underlined.\n")))
        << qPrintable(d->text);
    EXPECT_TRUE(d->text.contains(QStringLiteral("Café crème costs € 5 — “quoted”")));
    EXPECT_TRUE(d->text.contains(QStringLiteral("•\tBullet item")));
    EXPECT_FALSE(d->text.contains(QStringLiteral("Msftedit"))); // the generator group is skipped
    EXPECT_EQ(d->result.pictures, 1);
    EXPECT_EQ(d->result.placeholders, 0);

    EXPECT_EQ(formatOf(d->doc, QStringLiteral("Bold")).fontWeight(), QFont::Bold);
    EXPECT_FALSE(formatOf(d->doc, QStringLiteral(" and ")).fontWeight() == QFont::Bold);
    EXPECT_TRUE(formatOf(d->doc, QStringLiteral("italic")).fontItalic());
    EXPECT_TRUE(formatOf(d->doc, QStringLiteral("underlined")).fontUnderline());
    EXPECT_EQ(formatOf(d->doc, QStringLiteral("Red text")).foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(formatOf(d->doc, QStringLiteral("blue")).foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(formatOf(d->doc, QStringLiteral("The Zephane")).fontPointSize(), 10.0);
    EXPECT_EQ(formatOf(d->doc, QStringLiteral("Centered")).fontPointSize(), 14.0);
    EXPECT_EQ(formatOf(d->doc, QStringLiteral("Centered")).fontFamilies().toStringList().value(0),
              QStringLiteral("Times New Roman"));
    EXPECT_EQ(blockOf(d->doc, QStringLiteral("Centered")).alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    const QTextBlockFormat bullet = blockOf(d->doc, QStringLiteral("Bullet item"));
    EXPECT_DOUBLE_EQ(bullet.leftMargin(), 48.0); // 720 twips
    EXPECT_DOUBLE_EQ(bullet.textIndent(), -48.0);
    EXPECT_EQ(blockOf(d->doc, QStringLiteral("Second page")).pageBreakPolicy(),
              QTextFormat::PageBreak_AlwaysBefore);

    // the picture keeps its goal size: 600 x 450 twips
    const QTextCursor pic = d->doc.find(QString(QChar::ObjectReplacementCharacter));
    ASSERT_FALSE(pic.isNull());
    const QTextImageFormat img = pic.charFormat().toImageFormat();
    EXPECT_DOUBLE_EQ(img.width(), 40.0);
    EXPECT_DOUBLE_EQ(img.height(), 30.0);
    const QImage image = d->doc.resource(QTextDocument::ImageResource, QUrl(img.name())).value<QImage>();
    EXPECT_EQ(image.size(), QSize(4, 3));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(255, 0, 0));
}

TEST(RtfImporter, Word97DocumentRendersTableLinkCodePagesAndSkipsHiddenParts)
{
    const auto d = import(dataFile("word97.rtf"));
    const QString& t = d->text;
    for (const char* hidden : {"HEADER TEXT", "FOOTER TEXT", "Zephane Test", "Tester", "Normal", "Courier",
                               "02020603", "00d0c9ea", "HYPERLINK", "Greek a"})
        EXPECT_FALSE(t.contains(QLatin1String(hidden))) << hidden;
    EXPECT_TRUE(t.startsWith(QStringLiteral("1963 Description\nVisit the club site today.\n")));
    EXPECT_TRUE(t.contains(QStringLiteral("Year\tModel\tPrice\n1963\tCoupe\t£ 1,500\nAfter the table.")));
    EXPECT_TRUE(t.contains(QStringLiteral("Привет")));    // \fcharset204 decoded as Windows-1251
    EXPECT_TRUE(t.contains(QStringLiteral("Greek ααβ"))); // \upr takes \ud; \u945 skips its fallback
    EXPECT_TRUE(t.contains(QStringLiteral("Smile \U0001F600 end"))); // a surrogate pair from two \u
    EXPECT_TRUE(t.contains(QStringLiteral("1.\tList item")));        // \listtext is shown as written

    const QTextCharFormat link = formatOf(d->doc, QStringLiteral("club site"));
    EXPECT_TRUE(link.isAnchor());
    EXPECT_EQ(link.anchorHref(), QStringLiteral("http://www.example.com/club"));
    EXPECT_FALSE(formatOf(d->doc, QStringLiteral("today")).isAnchor());

    QTextTable* table = firstTable(d->doc);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 3);
    EXPECT_EQ(table->format().columnWidthConstraints().value(1).rawValue(), 2000.0 / 15.0);

    // \shppict wins over \nonshppict; the metafile becomes one placeholder box of its goal size
    EXPECT_EQ(d->result.pictures, 1);
    EXPECT_EQ(d->result.placeholders, 1);
    EXPECT_EQ(blockOf(d->doc, QStringLiteral("Page two")).pageBreakPolicy(),
              QTextFormat::PageBreak_AlwaysBefore);
}

// --- features one at a time ----------------------------------------------------------------------------

TEST(RtfImporter, CharacterFormattingIsScopedByGroupsAndReset)
{
    const auto d = import("{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}"
                          "{\\b\\i\\strike\\caps\\cf1\\cb1 A}B{\\super C}{\\sub D}{\\up6 E}{\\scaps F}"
                          "\\b G\\plain H{\\v hidden}I\\highlight1 J}");
    EXPECT_EQ(d->text, QStringLiteral("ABCDEFGHIJ"));
    const QTextCharFormat a = formatOf(d->doc, QStringLiteral("A"));
    EXPECT_EQ(a.fontWeight(), QFont::Bold);
    EXPECT_TRUE(a.fontItalic());
    EXPECT_TRUE(a.fontStrikeOut());
    EXPECT_EQ(a.fontCapitalization(), QFont::AllUppercase);
    EXPECT_EQ(a.foreground().color(), QColor(1, 2, 3));
    EXPECT_EQ(a.background().color(), QColor(1, 2, 3));
    EXPECT_NE(formatOf(d->doc, QStringLiteral("B")).fontWeight(), QFont::Bold);
    EXPECT_EQ(formatOf(d->doc, QStringLiteral("C")).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(formatOf(d->doc, QStringLiteral("D")).verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_GT(formatOf(d->doc, QStringLiteral("E")).baselineOffset(), 0.0);
    EXPECT_EQ(formatOf(d->doc, QStringLiteral("F")).fontCapitalization(), QFont::SmallCaps);
    EXPECT_EQ(formatOf(d->doc, QStringLiteral("G")).fontWeight(), QFont::Bold);
    EXPECT_NE(formatOf(d->doc, QStringLiteral("H")).fontWeight(), QFont::Bold);
    EXPECT_EQ(formatOf(d->doc, QStringLiteral("J")).background().color(), QColor(1, 2, 3));
}

TEST(RtfImporter, ColourTableFirstEmptyEntryIsAutomatic)
{
    const auto d = import("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\cf0 auto \\cf1 red \\cf7 missing}");
    EXPECT_EQ(formatOf(d->doc, QStringLiteral("auto")).foreground().style(), Qt::NoBrush);
    EXPECT_EQ(formatOf(d->doc, QStringLiteral("red")).foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(formatOf(d->doc, QStringLiteral("missing")).foreground().style(), Qt::NoBrush);
}

TEST(RtfImporter, FontTablesInBothFormsAndCharsetsDecideTheCodePage)
{
    // the old table form without braces, a Symbol font and a Greek font
    const auto d = import("{\\rtf1\\ansi\\deff1{\\fonttbl\\f0\\fswiss Arial;\\f1\\froman\\fcharset161 Greek;"
                          "\\f2\\fcharset2 Symbol;}\\f0 x\\'e9 \\f1\\'e1 \\f2 p\\'b7 \\f9 \\'e9}");
    EXPECT_EQ(d->text, QStringLiteral("xé α π• é"));
    EXPECT_EQ(formatOf(d->doc, QStringLiteral("x")).fontFamilies().toStringList().value(0),
              QStringLiteral("Arial"));

    const auto mac = import("{\\rtf1\\mac \\'8e}"); // Mac Roman
    EXPECT_EQ(mac->text, QStringLiteral("é"));
    const auto cp = import("{\\rtf1\\ansi\\ansicpg1250 \\'9a}");
    EXPECT_EQ(cp->text, QStringLiteral("š"));
}

TEST(RtfImporter, DoubleByteCodePagesKeepLeadAndTrailBytesTogether)
{
    // Shift-JIS "日本" written as \'hh pairs, one of them with a literal trail byte; GBK "中"
    const auto d = import("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset128 MS Mincho;}{\\f1\\fcharset134 SimSun;}}"
                          "\\f0 \\'93\\'fa\\'96{\\b0}\\'7b \\'96{} \\f1 \\'d6\\'d0}");
    EXPECT_TRUE(d->text.startsWith(QStringLiteral("日本 ")));
    EXPECT_TRUE(d->text.endsWith(QStringLiteral("中")));
    EXPECT_TRUE(d->text.contains(QChar(0xFFFD))); // a lead byte without its trail byte is replaced
}

TEST(RtfImporter, UnicodeSkipCountIsScopedPerGroup)
{
    const auto d = import("{\\rtf1\\uc2 \\u945 ab{\\uc1 \\u946 cd}\\u947 ef\\u948\\'41\\'42X"
                          "\\uc0 \\u949 g\\uc1\\u950{x}}");
    EXPECT_EQ(d->text, QStringLiteral("αβdγδXεgζx"));
}

TEST(RtfImporter, SpecialCharactersAndEscapes)
{
    const auto d = import("{\\rtf1 a\\tab b\\line c\\~d\\-e\\_f\\{\\}\\\\\\endash\\emdash\\bullet"
                          "\\lquote\\rquote\\ldblquote\\rdblquote\\par g}");
    EXPECT_EQ(d->text, QStringLiteral("a\tb\nc de") + QChar(0x2011) + QStringLiteral("f{}\\–—•‘’“”\ng"));
}

TEST(RtfImporter, ParagraphSpacingLineSpacingAndTabStops)
{
    const auto d = import("{\\rtf1\\pard\\sb150\\sa300\\sl360\\slmult1\\li300\\ri150\\qj\\tqr\\tx1500\\tx3000"
                          " A\\par\\pard\\sl-300 B\\par\\pard\\pagebb C\\par}");
    const QTextBlockFormat a = blockOf(d->doc, QStringLiteral("A"));
    EXPECT_DOUBLE_EQ(a.topMargin(), 10.0);
    EXPECT_DOUBLE_EQ(a.bottomMargin(), 20.0);
    EXPECT_DOUBLE_EQ(a.rightMargin(), 10.0);
    EXPECT_EQ(a.lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
    EXPECT_DOUBLE_EQ(a.lineHeight(), 150.0);
    EXPECT_EQ(a.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    ASSERT_EQ(a.tabPositions().size(), 2);
    EXPECT_EQ(a.tabPositions()[0].type, QTextOption::RightTab);
    EXPECT_EQ(a.tabPositions()[1].type, QTextOption::LeftTab);
    EXPECT_DOUBLE_EQ(a.tabPositions()[1].position, 200.0);
    const QTextBlockFormat b = blockOf(d->doc, QStringLiteral("B"));
    EXPECT_EQ(b.lineHeightType(), int(QTextBlockFormat::FixedHeight));
    EXPECT_EQ(b.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft); // \pard reset it
    EXPECT_EQ(blockOf(d->doc, QStringLiteral("C")).pageBreakPolicy(), QTextFormat::PageBreak_AlwaysBefore);
}

TEST(RtfImporter, TablesWithMergedOrExtraCellsAreFlattenedIntoTheGrid)
{
    // a merged pair of cells (\clmgf/\clmrg) and a row with more cells than \cellx
    const auto d = import("{\\rtf1\\trowd\\clmgf\\cellx1000\\clmrg\\cellx2000\\cellx3000"
                          "\\intbl A\\cell\\cell C\\cell\\row"
                          "\\trowd\\cellx1000\\intbl 1\\cell 2\\cell 3\\cell 4\\cell\\row\\pard after\\par}");
    QTextTable* table = firstTable(d->doc);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 4);
    EXPECT_TRUE(d->text.contains(QStringLiteral("A\t\tC\n1\t2\t3\t4\nafter")));
}

TEST(RtfImporter, LongTablesSplitAtTheRowCapWithoutEmptyRows)
{
    QByteArray rtf = "{\\rtf1\\trowd\\cellx1000\\cellx2000 ";
    for (int i = 0; i < 2500; ++i)
        rtf += "\\intbl " + QByteArray::number(i) + "\\cell x\\cell\\row ";
    rtf += "\\pard end}";
    const auto d = import(rtf);
    std::vector<int> rows;
    for (QTextFrame* f : d->doc.rootFrame()->childFrames())
        if (auto* t = qobject_cast<QTextTable*>(f))
            rows.push_back(t->rows());
    EXPECT_EQ(rows, (std::vector<int>{1000, 1000, 500}));
    EXPECT_TRUE(d->text.contains(QStringLiteral("\n999\tx\n")));
    EXPECT_TRUE(d->text.contains(QStringLiteral("\n2499\tx\nend")));
}

TEST(RtfImporter, PicturesInEveryEncodingAndUnreadableOnesAsPlaceholders)
{
    // a 2x1 24-bit DIB in hex, the same DIB as \bin data, a monochrome \wbitmap, a JPEG that is garbage
    const QByteArray dib =
        QByteArray::fromHex("28000000020000000100000001001800000000000800000000000000000000000000"
                            "0000000000000000ff00ff000000");
    const QByteArray rtf =
        "{\\rtf1{\\pict\\dibitmap0\\picw2\\pich1 " + dib.toHex() +
        "}"
        "{\\pict\\dibitmap0\\picw2\\pich1\\bin" +
        QByteArray::number(dib.size()) + " " + dib +
        "}"
        "{\\pict\\wbitmap0\\picw8\\pich2\\wbmbitspixel1\\wbmplanes1\\wbmwidthbytes2 f0000fff}"
        "{\\pict\\jpegblip\\picwgoal1500\\pichgoal750 0102030405}"
        "{\\pict\\emfblip 0102}{\\pict\\pngblip}}";
    const auto d = import(rtf);
    EXPECT_EQ(d->result.pictures, 3);
    EXPECT_EQ(d->result.placeholders, 3);
    EXPECT_EQ(richTextLength(d->doc), 6); // one character per picture, no hex digits as text
    EXPECT_TRUE(d->text.isEmpty());
}

TEST(RtfImporter, JpegPictureWithScaleWords)
{
    QImage source(6, 4, QImage::Format_RGB32);
    source.fill(QColor(0, 0, 255));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(source.save(&buffer, "JPEG"));
    const auto d =
        import("{\\rtf1{\\pict\\jpegblip\\picw6\\pich4\\picscalex200\\picscaley50 " + jpeg.toHex() + "}}");
    EXPECT_EQ(d->result.pictures, 1);
    const QTextCursor pic = d->doc.find(QString(QChar::ObjectReplacementCharacter));
    ASSERT_FALSE(pic.isNull());
    EXPECT_DOUBLE_EQ(pic.charFormat().toImageFormat().width(), 12.0); // no goal size: its own pixels, scaled
    EXPECT_DOUBLE_EQ(pic.charFormat().toImageFormat().height(), 8.0); // clamped to the smallest shown size
}

TEST(RtfImporter, PictureSizeLimitsGivePlaceholders)
{
    RtfLimits limits;
    limits.maxPictureBytes = 8;
    const auto d = import("{\\rtf1{\\pict\\pngblip 89504e470d0a1a0a0000000d}}", limits);
    EXPECT_EQ(d->result.placeholders, 1);

    // a PNG header that claims 60000 x 60000 pixels is refused before anything is allocated
    const QByteArray huge =
        QByteArray::fromHex("89504e470d0a1a0a0000000d494844520000ea600000ea6008020000000fb0e215");
    const auto e = import("{\\rtf1{\\pict\\pngblip " + huge.toHex() + "}}");
    EXPECT_EQ(e->result.placeholders, 1);
}

TEST(RtfImporter, PlainTextWhenTheBytesAreNotRtf)
{
    const auto d = import("Hello {\\b world}\r\nline two\r\n");
    EXPECT_FALSE(d->result.isRtf);
    EXPECT_EQ(d->text, QStringLiteral("Hello {\\b world}\nline two\n"));
    const auto latin = import("caf\xe9");
    EXPECT_EQ(latin->text, QStringLiteral("café"));
    EXPECT_EQ(latin->result.textLength, 4);
}

TEST(RtfImporter, TextLengthCountsParagraphEnds)
{
    const auto d = import("{\\rtf1 ab\\par cd}");
    EXPECT_EQ(d->result.textLength, 5);
    EXPECT_EQ(richTextLength(d->doc), 5);
    const auto empty = import("{\\rtf1}");
    EXPECT_EQ(empty->result.textLength, 0);
}

// --- broken and hostile input --------------------------------------------------------------------------

TEST(RtfImporter, MalformedDocumentsShowWhatCanBeShown)
{
    EXPECT_EQ(import("{\\rtf1 unterminated {\\b bold")->text, QStringLiteral("unterminated bold"));
    EXPECT_EQ(import("{\\rtf1 a}}}} b")->text, QStringLiteral("a")); // text after the end is not shown
    EXPECT_EQ(import("{\\rtf1 a\\")->text, QStringLiteral("a"));
    EXPECT_EQ(import(QByteArray("{\\rtf1 a\0b}", 11))->text, QStringLiteral("ab")); // NUL bytes dropped
    EXPECT_EQ(import("{\\rtf1 {\\*\\unknowndest hidden {nested}} shown}")->text, QStringLiteral(" shown"));
    EXPECT_EQ(import("{\\rtf1 {\\pict\\pngblip 89504e47")->result.placeholders, 1); // cut inside a picture
    EXPECT_EQ(import("{\\rtf1 \\u-1?\\u99999?x}")->text, QString(2, QChar(0xFFFD)) + u'x');
    // frame markers and object characters from \u cannot break the document's structure
    const auto d = import("{\\rtf1 \\u-560?\\u-559?\\u-4?\\u55357?\\u56832?z}");
    EXPECT_EQ(d->text.right(1), QStringLiteral("z"));
    EXPECT_FALSE(d->text.contains(QChar(0xFDD0))); // QTextBeginningOfFrame
    EXPECT_FALSE(d->text.contains(QChar(0xFDD1))); // QTextEndOfFrame
    EXPECT_FALSE(d->text.contains(QChar(0xFFFC)));
}

TEST(RtfImporter, DeepNestingIsCountedButNotSaved)
{
    RtfLimits limits;
    limits.maxSavedDepth = 16;
    QByteArray rtf = "{\\rtf1 a";
    rtf += QByteArray(100000, '{') + "\\b deep" + QByteArray(100000, '}') + " b}";
    const auto d = import(rtf, limits);
    EXPECT_EQ(d->text, QStringLiteral("adeep b"));
    EXPECT_EQ(d->result.maxDepth, 100001);
    // a destination opened past the saved depth is skipped up to its own closing brace only
    QByteArray skip = "{\\rtf1 " + QByteArray(40, '{') + "{\\*\\foo hidden}shown" + QByteArray(40, '}') + "}";
    EXPECT_EQ(import(skip, limits)->text, QStringLiteral("shown"));
}

TEST(RtfImporter, CapsOnFontsCellsAndInputSize)
{
    RtfLimits limits;
    limits.maxFonts = 3;
    limits.maxTableCells = 6;
    limits.maxInputBytes = 60;
    QByteArray fonts = "{\\rtf1{\\fonttbl";
    for (int i = 0; i < 10; ++i)
        fonts += "{\\f" + QByteArray::number(i) + " Font" + QByteArray::number(i) + ";}";
    fonts += "}\\f9 x}";
    const auto f = import(fonts, limits);
    EXPECT_TRUE(f->result.truncated);
    EXPECT_EQ(f->text, QString()); // the document was cut before its text
    limits.maxInputBytes = 1 << 20;
    const auto g = import(fonts, limits);
    EXPECT_EQ(g->text, QStringLiteral("x"));
    EXPECT_TRUE(formatOf(g->doc, QStringLiteral("x")).fontFamilies().toStringList().isEmpty());

    QByteArray cells = "{\\rtf1\\trowd\\cellx100\\cellx200";
    for (int i = 0; i < 5; ++i)
        cells += "\\intbl a\\cell b\\cell\\row";
    cells += "}";
    const auto c = import(cells, limits);
    EXPECT_EQ(firstTable(c->doc)->rows(), 3);
    EXPECT_TRUE(c->text.endsWith(QStringLiteral("a\tb\t\na\tb\t\n"))); // the rest as tab-separated lines
}

TEST(RtfImporter, LoadingAFileThatCannotBeReadLeavesTheDocument)
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("before"));
    QString error;
    EXPECT_FALSE(loadRichTextFile(QStringLiteral("/nonexistent/x.rtf"), doc, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("before"));
    const auto loaded = loadRichTextFile(QStringLiteral(ZEPHANE_TEST_DATA "/rtf/wordpad.rtf"), doc);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->textLength, richTextLength(doc));
}

TEST(RtfImporter, LoadingAFileReadsAllOfItUpToTheCap)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.rtf"));
    QByteArray body = "{\\rtf1 ";
    while (body.size() < 200 * 1024) // longer than one read step
        body += "word ";
    body += "last}";
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(body);
    out.close();

    QTextDocument doc;
    RtfLimits limits;
    auto loaded = loadRichTextFile(path, doc, nullptr, limits);
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(loaded->truncated);
    EXPECT_TRUE(doc.toPlainText().endsWith(QStringLiteral("word last")));

    limits.maxInputBytes = body.size(); // exactly the file: nothing is cut
    loaded = loadRichTextFile(path, doc, nullptr, limits);
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(loaded->truncated);

    limits.maxInputBytes = body.size() - 3; // "st}" is left out
    loaded = loadRichTextFile(path, doc, nullptr, limits);
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(loaded->truncated);
    EXPECT_FALSE(doc.toPlainText().contains(QStringLiteral("last")));
}
