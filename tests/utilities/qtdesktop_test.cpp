#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/qt/qtdesktop.h"

namespace {

TEST(QtDesktop, FindsRunsAndRefusesWhatItShould)
{
    QtDesktop desktop;
    const QString sh = desktop.findOnPath(QStringLiteral("sh"));
    ASSERT_FALSE(sh.isEmpty()) << "a shell is on every PATH";
    EXPECT_TRUE(desktop.isExecutable(sh));
    EXPECT_TRUE(desktop.findOnPath(QStringLiteral("no-such-program-zf2000")).isEmpty());

    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();
    EXPECT_FALSE(desktop.isExecutable(text));
    EXPECT_FALSE(desktop.isExecutable(dir.path())) << "a folder is no program";

    EXPECT_FALSE(desktop.startDetached(dir.filePath(QStringLiteral("missing")), {}));
    EXPECT_FALSE(desktop.openWithHandler(dir.filePath(QStringLiteral("missing.hlp"))));
    EXPECT_TRUE(desktop.setting(QStringLiteral("NoSuchSection/NoSuchKey")).isEmpty());
    EXPECT_TRUE(desktop.environment(QStringLiteral("ZF2000_SURELY_UNSET")).isEmpty());
}

} // namespace
