// Printing a rich-text document: the rectangle arithmetic and page loop against a scripted printer, and the
// real printer adapter writing PDFs (page count and text checked with poppler's tools, which must be
// installed).
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

#include "fakes/fakemessages.h"
#include "fakes/fakeprinter.h"
#include "output/doc/printrichtext.h"
#include "platform/qt/qtprinter.h"
#include "viewers/doc/richtextdocument.h"
#include "viewers/doc/rtfimporter.h"

namespace {

void importInto(QTextDocument& doc, const QByteArray& rtf)
{
    RtfImporter().import(rtf, doc);
}

QString dataPath(const char* name)
{
    return QStringLiteral(ZEPHANE_TEST_DATA "/rtf/") + QLatin1String(name);
}

// Runs a poppler tool. A missing tool fails the test: without it the printed text goes unchecked.
QString popplerOutput(const QString& tool, const QStringList& args)
{
    if (QStandardPaths::findExecutable(tool).isEmpty()) {
        ADD_FAILURE() << qPrintable(tool) << " is not installed (Debian package poppler-utils)";
        return {};
    }
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        ADD_FAILURE() << qPrintable(tool) << " failed on " << qPrintable(args.join(QLatin1Char(' ')));
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString& pdf)
{
    const QString info = popplerOutput(QStringLiteral("pdfinfo"), {pdf});
    if (!info.isEmpty()) {
        for (const QString& line : info.split(QLatin1Char('\n')))
            if (line.startsWith(QLatin1String("Pages:")))
                return line.mid(6).trimmed().toInt();
    }
    return -1;
}

} // namespace

// --- the routine against a scripted printer ------------------------------------------------------------

TEST(PrintRichText, TargetRectangleAllowsForTheUnprintableOffsets)
{
    QTextDocument doc;
    importInto(doc, "{\\rtf1 Hello}");
    FakePrinter printer; // Letter; printable area starts 0.25 inch (50 pixels at 200 dpi) from the paper edge
    ASSERT_TRUE(PrintRichText(printer, doc, 1440, 1440, 1440, 1440));
    ASSERT_EQ(printer.renders.size(), 1u);
    const FakePrinter::Render& r = printer.renders[0];
    // the text starts 1440 - 360 twips from the printable edge: one inch from the paper's edge
    EXPECT_EQ(r.target, (TwipRect{1080, 1080, 12240 - 1440 - 360, 15840 - 1440 - 360}));
    EXPECT_EQ(r.pageRect, (TwipRect{0, 0, 11520, 15120}));
    EXPECT_EQ(r.from, 0);
    EXPECT_EQ(r.to, 5);
    EXPECT_EQ(printer.jobsStarted, 1);
    EXPECT_EQ(printer.jobsEnded, 1);
    EXPECT_EQ(printer.pages(), 1);
}

TEST(PrintRichText, EachOffsetIsConvertedWithItsOwnResolution)
{
    QTextDocument doc;
    importInto(doc, "{\\rtf1 Hello}");
    struct Case {
        qint32 dpiX, dpiY, offsetX, offsetY;
        qint32 left, top; // twips from the printable area's edge
    };
    // 0.25 inch across at 600 dpi is 150 pixels, 0.5 inch down at 300 dpi is 150 pixels too: only the
    // resolution of each direction tells the two offsets apart.
    const Case cases[] = {{600, 300, 150, 150, 1440 - 360, 1440 - 720},
                          {300, 600, 150, 150, 1440 - 720, 1440 - 360},
                          {1200, 200, 300, 100, 1440 - 360, 1440 - 720}};
    for (const Case& c : cases) {
        FakePrinter printer;
        printer.geometry.dpiX = c.dpiX;
        printer.geometry.dpiY = c.dpiY;
        printer.geometry.offsetX = c.offsetX;
        printer.geometry.offsetY = c.offsetY;
        ASSERT_TRUE(PrintRichText(printer, doc, 1440, 1440, 1440, 1440));
        ASSERT_EQ(printer.renders.size(), 1u);
        const TwipRect& t = printer.renders[0].target;
        EXPECT_EQ(t.left, c.left) << c.dpiX << "x" << c.dpiY;
        EXPECT_EQ(t.top, c.top) << c.dpiX << "x" << c.dpiY;
        EXPECT_EQ(t.right, 12240 - 1440 - (1440 - c.left)) << c.dpiX << "x" << c.dpiY;
        EXPECT_EQ(t.bottom, 15840 - 1440 - (1440 - c.top)) << c.dpiX << "x" << c.dpiY;
    }
}

TEST(PrintRichText, PagesFollowTheFirstCharacterThatDidNotFit)
{
    QTextDocument doc;
    importInto(doc, "{\\rtf1 0123456789012345678901234567890123456789}"); // 40 characters
    FakePrinter printer;
    printer.onRender = [](int from, int to) { return std::min(from + 15, to); };
    ASSERT_TRUE(PrintRichText(printer, doc, 720, 720, 720, 720));
    ASSERT_EQ(printer.renders.size(), 3u);
    EXPECT_EQ(printer.renders[1].from, 15);
    EXPECT_EQ(printer.renders[2].from, 30);
    EXPECT_EQ(printer.newPages, 2);
    EXPECT_EQ(printer.jobsStarted, 1); // one job for the whole document
    EXPECT_EQ(printer.jobsEnded, 1);
}

TEST(PrintRichText, EmptyDocumentIsStillOneJobAndEndsAtOnce)
{
    QTextDocument doc;
    importInto(doc, "{\\rtf1}");
    FakePrinter printer;
    printer.onRender = [](int, int) { return 0; };
    ASSERT_TRUE(PrintRichText(printer, doc, 1440, 1440, 1440, 1440));
    EXPECT_EQ(printer.jobsStarted, 1);
    EXPECT_EQ(printer.renders.size(), 1u);
    EXPECT_EQ(printer.newPages, 0);
    EXPECT_EQ(printer.jobsEnded, 1);
}

TEST(PrintRichText, RendererThatPlacesNothingCannotLoopForever)
{
    QTextDocument doc;
    importInto(doc, "{\\rtf1 some text}");
    FakePrinter printer;
    printer.onRender = [](int from, int) { return from; }; // never advances
    PrintRichText(printer, doc, 1440, 1440, 1440, 1440);
    EXPECT_EQ(printer.renders.size(), 1u);
    EXPECT_EQ(printer.jobsEnded, 1);
}

TEST(PrintRichText, FailuresAreReportedNotHidden)
{
    QTextDocument doc;
    importInto(doc, "{\\rtf1 x}");
    FakePrinter noStart;
    noStart.startSucceeds = false;
    EXPECT_FALSE(PrintRichText(noStart, doc, 1440, 1440, 1440, 1440));
    EXPECT_TRUE(noStart.renders.empty());
    FakePrinter noEnd;
    noEnd.endSucceeds = false;
    EXPECT_FALSE(PrintRichText(noEnd, doc, 1440, 1440, 1440, 1440));
}

TEST(PrintRichText, JobIsNamedAfterTheLoadedFile)
{
    QTextDocument doc;
    ASSERT_TRUE(loadRichTextFile(dataPath("wordpad.rtf"), doc));
    FakePrinter printer;
    PrintRichText(printer, doc, 1440, 1440, 1440, 1440);
    EXPECT_EQ(printer.jobName, QStringLiteral("wordpad"));
}

// --- the Qt printer writing PDFs -----------------------------------------------------------------------

TEST(QtPrinter, DocumentsPrintWithTheRightPagesAndText)
{
    QTemporaryDir dir;
    struct Case {
        const char* file;
        int pages;
        QStringList page1;
        QStringList page2;
    };
    const Case cases[] = {
        {"wordpad.rtf",
         2,
         {"The Zephane Folarium", "Café crème costs € 5", "Bullet item"},
         {"Second page text"}},
        {"word97.rtf",
         2,
         {"1963 Description", "the club site", "Coupe", "Привет", "After the table."},
         {"Page two text.", "List item"}},
    };
    for (const Case& c : cases) {
        QTextDocument doc;
        ASSERT_TRUE(loadRichTextFile(dataPath(c.file), doc));
        QtPrinter::Options options;
        options.pdfFile = dir.filePath(QString::fromLatin1(c.file) + QStringLiteral(".pdf"));
        FakeMessages messages;
        QtPrinter printer(&messages, options);
        ASSERT_TRUE(PrintRichText(printer, doc, 1440, 1440, 1440, 1440)) << c.file;
        EXPECT_TRUE(messages.shown.empty()); // an explicit PDF needs no word to the user
        EXPECT_EQ(pdfPages(options.pdfFile), c.pages) << c.file;
        const QString p1 = popplerOutput(QStringLiteral("pdftotext"),
                                         {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                          QStringLiteral("1"), options.pdfFile, QStringLiteral("-")});
        const QString p2 = popplerOutput(QStringLiteral("pdftotext"),
                                         {QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-l"),
                                          QStringLiteral("2"), options.pdfFile, QStringLiteral("-")});
        ASSERT_FALSE(p1.isEmpty()) << c.file;
        for (const QString& s : c.page1) {
            EXPECT_TRUE(p1.contains(s)) << c.file << " page 1 lacks " << qPrintable(s);
            EXPECT_FALSE(p2.contains(s)) << c.file << " page 2 repeats " << qPrintable(s);
        }
        for (const QString& s : c.page2) {
            EXPECT_TRUE(p2.contains(s)) << c.file << " page 2 lacks " << qPrintable(s);
            EXPECT_FALSE(p1.contains(s)) << c.file << " page 1 has " << qPrintable(s);
        }
    }
}

TEST(QtPrinter, LongDocumentFlowsOverPagesWithoutLosingOrRepeatingLines)
{
    QByteArray rtf = "{\\rtf1\\fs24 ";
    for (int i = 1; i <= 150; ++i)
        rtf += "Line " + QByteArray::number(i) + " of the long document\\par ";
    rtf += "}";
    QTextDocument doc;
    importInto(doc, rtf);
    QTemporaryDir dir;
    QtPrinter::Options options;
    options.pdfFile = dir.filePath(QStringLiteral("long.pdf"));
    QtPrinter printer(nullptr, options);
    ASSERT_TRUE(PrintRichText(printer, doc, 1440, 1440, 1440, 1440));
    const int pages = pdfPages(options.pdfFile);
    EXPECT_GE(pages, 3);
    EXPECT_LE(pages, 6);
    const QString text = popplerOutput(QStringLiteral("pdftotext"), {options.pdfFile, QStringLiteral("-")});
    ASSERT_FALSE(text.isEmpty());
    for (int i = 1; i <= 150; ++i)
        EXPECT_EQ(text.count(QStringLiteral("Line %1 of").arg(i)), 1) << i;
}

TEST(QtPrinter, WithoutAPrinterTheJobBecomesAPdfAndTheUserIsTold)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Documents")); // made when missing
    QTextDocument doc;
    ASSERT_TRUE(loadRichTextFile(dataPath("wordpad.rtf"), doc));
    FakeMessages messages;
    QtPrinter::Options options;
    options.useSystemPrinter = false;
    options.fallbackFolder = folder;
    QtPrinter printer(&messages, options);

    ASSERT_TRUE(PrintRichText(printer, doc, 1440, 1440, 1440, 1440));
    const QString first = folder + QStringLiteral("/wordpad.pdf");
    EXPECT_EQ(printer.outputFile(), first);
    EXPECT_TRUE(QFileInfo(first).size() > 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.last().text.contains(first));
    EXPECT_EQ(messages.last().icon, MessageIcon::Information);

    // printing again never overwrites the earlier file
    ASSERT_TRUE(PrintRichText(printer, doc, 1440, 1440, 1440, 1440));
    EXPECT_EQ(printer.outputFile(), folder + QStringLiteral("/wordpad (2).pdf"));
    EXPECT_TRUE(QFileInfo::exists(first));
}

TEST(QtPrinter, UnwritablePdfIsToldToTheUser)
{
    QTextDocument doc;
    importInto(doc, "{\\rtf1 x}");
    FakeMessages messages;
    QtPrinter::Options options;
    options.pdfFile = QStringLiteral("/nonexistent-folder/x/out.pdf");
    QtPrinter printer(&messages, options);
    EXPECT_FALSE(PrintRichText(printer, doc, 1440, 1440, 1440, 1440));
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.last().icon, MessageIcon::Error);
}
