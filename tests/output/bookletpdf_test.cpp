// The booklet as one PDF: through the printer's no-printer fallback and from the command line.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "catalog/mediafiles.h"
#include "catalog/mediaroots.h"
#include "fakes/fakedrives.h"
#include "fakes/fakemessages.h"
#include "output/doc/bookletprinter.h"
#include "platform/qt/qtprinter.h"
#include "support/mediatree.h"
#include "support/programrun.h"

namespace {

QByteArray rtf(const char* text)
{
    return QByteArray("{\\rtf1\\ansi ") + text + "\\par}";
}

// Pages of a PDF as Qt writes them: one "/Type /Page" object per page.
int pdfPages(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = f.readAll();
    return int(bytes.count("/Type /Page") - bytes.count("/Type /Pages"));
}

struct Disc {
    MediaTree tree;
    Disc()
    {
        QImage image(30, 20, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QDir().mkpath(tree.file(QStringLiteral("graphics")));
        for (const char* name : {"logofol2.jpg", "95white.jpg", "bklettxt.jpg", "vornic3.jpg"})
            image.save(tree.file(QStringLiteral("graphics/") + QLatin1String(name)), "JPG");
        tree.add(QStringLiteral("RichText/intro.rtf"), rtf("Intro"));
        for (const char* p : {"99", "A0", "ZR"})
            tree.add(QStringLiteral("RichText/%1desc.rtf").arg(QLatin1String(p)), rtf("Description"));
    }
};

} // namespace

TEST(BookletPdf, WithoutAPrinterTheWholeBookletIsOnePdfNamedOnce)
{
    Disc disc;
    QTemporaryDir out;
    FakeMessages messages;
    QtPrinter::Options options;
    options.useSystemPrinter = false;
    options.fallbackFolder = out.path();
    QtPrinter printer(&messages, options);
    FakeDrives drives;
    MediaFiles files(drives);
    MediaRoots roots;
    roots.mediaRoot = disc.tree.path();
    BookletChoice choice{};
    choice[size_t(BookletSection::Cover)] = true;
    choice[size_t(BookletSection::Overview)] = true;
    choice[size_t(BookletSection::Description)] = true;
    BookletPrinter booklet(printer, files, roots);
    EXPECT_TRUE(booklet.print(planBooklet(choice, 99, 101)).ok);

    const QStringList pdfs = QDir(out.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    ASSERT_EQ(pdfs, QStringList{QStringLiteral("Zephane Booklet.pdf")});
    EXPECT_EQ(pdfPages(out.filePath(pdfs.front())), 5); // cover, intro, 99, A0, ZR
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("Zephane Booklet.pdf")));
}

namespace {
QString program()
{
    return ProgramRun::program();
}
ProgramRun run(const QStringList& args)
{
    return ProgramRun::run(args);
}
} // namespace

TEST(BookletCli, PrintsTheRangeAndRefusesBadArgumentsWithStatus2)
{
    // The mode is part of the program: a missing program is a failure, not a skip.
    ASSERT_TRUE(QFileInfo(program()).isExecutable()) << program().toStdString();
    Disc disc;
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("b.pdf"));
    const QString media = disc.tree.path();
    const QString flag = QStringLiteral("--print-booklet-to-pdf");

    ProgramRun r = run(
        {flag, pdf, "--media", media, "--from", "1999", "--to", "ZR-1", "--sections", "cover,description"});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(pdfPages(pdf), 4);

    struct Bad {
        QStringList args;
        const char* says;
    };
    const std::vector<Bad> bad = {
        {{flag, pdf, "--media", media, "--from", "1983", "--to", "1984", "--sections", "details"}, "1983"},
        {{flag, pdf, "--media", media, "--sections", "cover,wheels"}, "wheels"},
        {{flag, out.filePath("no/such/folder/b.pdf"), "--media", media, "--sections", "cover"},
         "cannot write"},
        {{flag, pdf, "--media", media, "--sections", "engines"}, "--from"},
        {{flag, pdf, "--media", media, "--from", "2000", "--to", "1999", "--sections", "details"}, "--from"},
    };
    for (const Bad& b : bad) {
        r = run(b.args);
        EXPECT_EQ(r.exitCode, 2) << b.says;
        EXPECT_TRUE(r.err.contains(b.says)) << r.err.constData();
    }
}

TEST(BookletCli, ABookletThatFailsHalfWayLeavesThePreviousFileAndNothingElse)
{
    ASSERT_TRUE(QFileInfo(program()).isExecutable()) << program().toStdString();
    Disc disc;
    QFile::remove(disc.tree.file(QStringLiteral("RichText/A0desc.rtf"))); // 1999 prints, 2000 fails
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("b.pdf"));
    {
        QFile previous(pdf);
        ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
        previous.write("the previous booklet");
    }
    const ProgramRun r = run({"--print-booklet-to-pdf", pdf, "--media", disc.tree.path(), "--from", "1999",
                              "--to", "ZR-1", "--sections", "cover,description"});
    EXPECT_EQ(r.exitCode, 1) << r.err.constData();
    EXPECT_TRUE(r.err.contains("Unable to load file for printing.")) << r.err.constData();
    QFile kept(pdf);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "the previous booklet");
    EXPECT_EQ(QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"b.pdf"});
}

TEST(BookletCli, ABookletWrittenOverALinkIsWrittenWhereTheLinkLeads)
{
    ASSERT_TRUE(QFileInfo(program()).isExecutable()) << program().toStdString();
    Disc disc;
    QTemporaryDir out, elsewhere;
    const QString real = elsewhere.filePath(QStringLiteral("real.pdf"));
    const QString link = out.filePath(QStringLiteral("b.pdf"));
    ASSERT_TRUE(QFile::link(real, link));
    const ProgramRun r =
        run({"--print-booklet-to-pdf", link, "--media", disc.tree.path(), "--sections", "cover"});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(pdfPages(real), 1);
    EXPECT_EQ(QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"b.pdf"});
}
