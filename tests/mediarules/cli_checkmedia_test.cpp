#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

#include "support/mediatree.h"

namespace {

// The program beside the test folder of the build tree; the build makes it with these tests.
QString program()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../zephane-folarium");
}

struct CliRun {
    int exitCode = -1;
    QStringList lines;
};

CliRun run(const QStringList& args)
{
    QProcess p;
    p.setProgram(program());
    p.setArguments(QStringList{"--check-media"} + args);
    p.start();
    CliRun r;
    if (!p.waitForFinished(30000))
        return r;
    r.exitCode = p.exitCode();
    r.lines = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    return r;
}

} // namespace

TEST(CheckMediaCommand, ExitCodesAndOutputLines)
{
    ASSERT_TRUE(QFileInfo(program()).isExecutable()) << qPrintable(program()) << " is missing";
    MediaTree media;
    MediaTree programFolder;
    media.add("RichText/53desc.rtf");
    const CliRun partial = run({media.path(), "--program-folder", programFolder.path()});
    EXPECT_EQ(partial.exitCode, 1);
    EXPECT_TRUE(partial.lines.contains("ok media richtext/53desc.rtf"));
    EXPECT_TRUE(partial.lines.contains("missing program Zephane2000.scr"));
    ASSERT_FALSE(partial.lines.isEmpty());
    EXPECT_TRUE(partial.lines.last().startsWith("1 ok, "));

    EXPECT_EQ(run({media.path() + "/nothing-here"}).exitCode, 2);
    EXPECT_EQ(run({}).exitCode, 2);
    EXPECT_EQ(run({media.path(), "--program-folder"}).exitCode, 2);
    EXPECT_EQ(run({media.path(), "--program-folder", media.path() + "/none"}).exitCode, 2);
}
