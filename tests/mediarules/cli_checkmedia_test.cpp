#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

#include "support/mediatree.h"
#include "support/programrun.h"

namespace {

QString program()
{
    return ProgramRun::program();
}

struct CliRun {
    int exitCode = -1;
    QStringList lines;
};

CliRun run(const QStringList& args)
{
    const ProgramRun p = ProgramRun::run(QStringList{"--check-media"} + args, 30000);
    return {p.exitCode, QString::fromUtf8(p.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts)};
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
