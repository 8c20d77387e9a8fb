// The command-line modes --rtf-text and --print-to-pdf, run as a user runs them.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "support/programrun.h"

namespace {

using CliRun = ProgramRun;

QString program()
{
    return ProgramRun::program();
}

CliRun run(const QStringList& args)
{
    return ProgramRun::run(args);
}

QString data(const char* name)
{
    return QStringLiteral(ZEPHANE_TEST_DATA "/rtf/") + QLatin1String(name);
}

class CliRichText : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The build makes the program with these tests; its absence is a fault, not a reason to pass.
        ASSERT_TRUE(QFileInfo(program()).isExecutable()) << qPrintable(program()) << " is missing";
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(CliRichText, RtfTextWritesTheDocumentAsUtf8)
{
    const CliRun r = run({QStringLiteral("--rtf-text"), data("word97.rtf")});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    const QString text = QString::fromUtf8(r.out);
    EXPECT_TRUE(text.startsWith(QStringLiteral("1963 Description\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Year\tModel\tPrice\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Привет")));
    EXPECT_TRUE(text.endsWith(QLatin1Char('\n')));
}

TEST_F(CliRichText, PrintToPdfWritesAPdf)
{
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    const CliRun r = run({QStringLiteral("--print-to-pdf"), data("wordpad.rtf"), pdf});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5) == "%PDF-");
}

TEST_F(CliRichText, MissingOrUnreadableInputFailsWithAClearError)
{
    const QString missing = dir.filePath(QStringLiteral("nothere.rtf"));
    for (const QStringList& args :
         {QStringList{QStringLiteral("--rtf-text"), missing},
          QStringList{QStringLiteral("--print-to-pdf"), missing, dir.filePath("x.pdf")},
          QStringList{QStringLiteral("--rtf-text"), dir.path()}, QStringList{QStringLiteral("--rtf-text")}}) {
        const CliRun r = run(args);
        EXPECT_GT(r.exitCode, 0) << qPrintable(args.join(' '));
        EXPECT_FALSE(r.err.isEmpty());
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("x.pdf")));
    const CliRun r =
        run({QStringLiteral("--print-to-pdf"), data("wordpad.rtf"), dir.filePath("no/such/dir/x.pdf")});
    EXPECT_GT(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains("x.pdf"));
}

TEST_F(CliRichText, MalformedRtfShowsWhatItCanAndSucceeds)
{
    const QString bad = dir.filePath(QStringLiteral("bad.rtf"));
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{\\rtf1 {\\b readable \\'zz{\\pict\\pngblip 0102");
    f.close();
    const CliRun text = run({QStringLiteral("--rtf-text"), bad});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(text.out), QStringLiteral("readable zz\n"));
    const CliRun pdf = run({QStringLiteral("--print-to-pdf"), bad, dir.filePath(QStringLiteral("bad.pdf"))});
    EXPECT_EQ(pdf.exitCode, 0);
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("bad.pdf"))).size() > 0);
}
