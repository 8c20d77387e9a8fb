// The real printer adapter with several documents in one job: each document is printed from its own text,
// whether the documents live at one address one after the other or one document object is reloaded.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

#include "catalog/mediafiles.h"
#include "catalog/mediaroots.h"
#include "fakes/fakedrives.h"
#include "output/bookletplan.h"
#include "output/doc/bookletprinter.h"
#include "output/doc/onejobprinter.h"
#include "output/doc/printrichtext.h"
#include "platform/qt/qtprinter.h"
#include "support/mediatree.h"
#include "viewers/doc/rtfimporter.h"

namespace {

// The text of a PDF as pdftotext reads it; a missing pdftotext fails the test.
QString pdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForStarted(10000)) {
        ADD_FAILURE() << "pdftotext could not be started (Debian package poppler-utils)";
        return {};
    }
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();
    return QString::fromUtf8(p.readAllStandardOutput());
}

void importInto(QTextDocument& document, const QByteArray& rtf)
{
    RtfImporter().import(rtf, document);
}

QByteArray rtf(const QString& title, int paragraphs)
{
    QByteArray out = "{\\rtf1\\ansi\\fs24 {\\b " + title.toLatin1() + "}\\par ";
    for (int i = 1; i <= paragraphs; ++i)
        out += title.section(QLatin1Char(' '), 0, 0).toLatin1() + " paragraph " + QByteArray::number(i) +
               " of its own text.\\par ";
    return out + "}";
}

// Each title once, in this order.
void expectEachOnceInOrder(const QString& text, const QStringList& titles)
{
    qsizetype last = -1;
    for (const QString& t : titles) {
        EXPECT_EQ(text.count(t), 1) << qPrintable(t) << " printed " << text.count(t) << " times";
        const qsizetype at = text.indexOf(t);
        EXPECT_GT(at, last) << qPrintable(t) << " out of order";
        last = std::max(last, at);
    }
}

QtPrinter::Options toPdf(const QString& path)
{
    QtPrinter::Options o;
    o.pdfFile = path;
    o.useSystemPrinter = false;
    return o;
}

} // namespace

TEST(QtPrinterJobs, DocumentsPrintedOneAfterAnotherAtOneAddressEachPrintTheirOwnText)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("three.pdf"));
    QtPrinter printer(nullptr, toPdf(pdf));
    OneJobPrinter job(printer, QStringLiteral("Three"));
    const QStringList titles{QStringLiteral("Alpha Document"), QStringLiteral("Bravo Document"),
                             QStringLiteral("Charlie Document")};
    for (const QString& title : titles) {
        // A fresh document each time, made where the last one was, as a loop's local is.
        QTextDocument document;
        importInto(document, rtf(title, 3));
        ASSERT_TRUE(PrintRichText(job, document, 1440, 1440, 1440, 1440)) << qPrintable(title);
    }
    ASSERT_TRUE(job.finish());
    const QString text = pdfText(pdf);
    expectEachOnceInOrder(text, titles);
    for (const QString& title : titles)
        EXPECT_EQ(text.count(title.section(QLatin1Char(' '), 0, 0) + QStringLiteral(" paragraph 3 of")), 1)
            << qPrintable(title);
}

TEST(QtPrinterJobs, OneDocumentObjectReloadedBetweenPrintsPrintsEachNewText)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("reloaded.pdf"));
    QtPrinter printer(nullptr, toPdf(pdf));
    OneJobPrinter job(printer, QStringLiteral("Reloaded"));
    QTextDocument document; // one rich-text box, loaded with one file after another
    const QStringList titles{QStringLiteral("First Text"), QStringLiteral("Second Text")};
    for (const QString& title : titles) {
        document.clear();
        importInto(document, rtf(title, 2));
        ASSERT_TRUE(PrintRichText(job, document, 1440, 1440, 1440, 1440));
    }
    ASSERT_TRUE(job.finish());
    expectEachOnceInOrder(pdfText(pdf), titles);
}

TEST(QtPrinterJobs, LongDocumentsInOneJobKeepEveryLineOnceAcrossTheirPages)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
    QtPrinter printer(nullptr, toPdf(pdf));
    OneJobPrinter job(printer, QStringLiteral("Long"));
    for (const char* name : {"North", "South"}) {
        QTextDocument document;
        importInto(document, rtf(QLatin1String(name), 90)); // several pages each
        ASSERT_TRUE(PrintRichText(job, document, 1440, 1440, 1440, 1440));
    }
    ASSERT_TRUE(job.finish());
    const QString text = pdfText(pdf);
    for (const char* name : {"North", "South"})
        for (int i = 1; i <= 90; ++i)
            EXPECT_EQ(text.count(QStringLiteral("%1 paragraph %2 of").arg(QLatin1String(name)).arg(i)), 1)
                << name << " " << i;
}

TEST(QtPrinterJobs, BookletOfThreeYearsPrintsEachYearsDocumentsOnceInOrder)
{
    MediaTree tree;
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QDir().mkpath(tree.file(QStringLiteral("graphics")));
    QDir().mkpath(tree.file(QStringLiteral("ClipArt")));
    for (const char* year : {"1982", "1984", "1985"})
        picture.save(tree.file(QStringLiteral("ClipArt/%1.jpg").arg(QLatin1String(year))), "JPG");
    for (const char* name : {"logofol2.jpg", "95white.jpg", "bklettxt.jpg", "vornic3.jpg"})
        picture.save(tree.file(QStringLiteral("graphics/") + QLatin1String(name)), "JPG");
    tree.add(QStringLiteral("RichText/intro.rtf"), rtf(QStringLiteral("Booklet Introduction"), 4));
    QStringList titles{QStringLiteral("Booklet Introduction")};
    for (const char* year : {"82", "84", "85"}) {
        const QString y = QStringLiteral("19") + QLatin1String(year);
        tree.add(QStringLiteral("RichText/%1desc.rtf").arg(QLatin1String(year)), rtf(y + " Description", 5));
        tree.add(QStringLiteral("RichText/%1.rtf").arg(QLatin1String(year)), rtf(y + " Details", 5));
        titles << y + QStringLiteral(" Description") << y + QStringLiteral(" Details");
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("booklet.pdf"));
    QtPrinter printer(nullptr, toPdf(pdf));
    FakeDrives drives;
    MediaFiles files(drives);
    MediaRoots roots;
    roots.mediaRoot = tree.path();
    BookletChoice every{};
    for (BookletSection section : {BookletSection::Cover, BookletSection::Overview, BookletSection::ClipArt,
                                   BookletSection::Description, BookletSection::Details})
        every[size_t(section)] = true;
    BookletPrinter booklet(printer, files, roots);
    const BookletPrinter::Result result = booklet.print(planBooklet(every, 82, 85));
    ASSERT_TRUE(result.ok) << qPrintable(result.failedFile);
    const QString text = pdfText(pdf);
    expectEachOnceInOrder(text, titles);
    EXPECT_FALSE(text.contains(QStringLiteral("1983")));
}
