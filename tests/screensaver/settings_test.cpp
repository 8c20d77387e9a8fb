#include <gtest/gtest.h>

#include "saversettings.h"
#include "support/mediatree.h"

namespace {

struct Case {
    const char* name;
    QByteArray ini;
    QString path; // expected ZephPath; empty: a problem is expected
    int interval;
};

} // namespace

TEST(SaverSettings, ReadsTheSectionWhateverTheFileLooksLike)
{
    const QList<Case> cases = {
        {"LF", "[Zephane2000]\nZephPath=E:\\zephanes\\\nInterval=5\n", "E:\\zephanes\\", 5},
        {"CRLF", "[Other]\r\nA=1\r\n\r\n[Zephane2000]\r\nZephPath=E:\\zephanes\\\r\nInterval=10\r\n",
         "E:\\zephanes\\", 10},
        {"CR only", "[Zephane2000]\rZephPath=e:\\Zephanes\\\rInterval=60\r", "e:\\Zephanes\\", 60},
        {"odd case and blanks",
         "\xEF\xBB\xBF ; note\n [ zephane2000 ] \n  zephpath  =  /home/ann/z\\sszephs\\  \n"
         "INTERVAL = 15 \n",
         "/home/ann/z\\sszephs\\", 15},
        {"quoted value", "[Zephane2000]\nZephPath=\"F:\\zephanes\\\"\nInterval=\"2\"\n", "F:\\zephanes\\", 2},
        {"other sections' keys ignored",
         "[Saver]\nZephPath=X:\\\nInterval=9\n[Zephane2000]\nZephPath=E:\\z\\\n", "E:\\z\\", 5},
        {"first section and first key win",
         "[Zephane2000]\nZephPath=E:\\a\\\nZephPath=E:\\b\\\n[Zephane2000]\nInterval=7\n", "E:\\a\\", 5},
        {"interval missing or no number", "[Zephane2000]\nZephPath=E:\\z\\\nInterval=soon\n", "E:\\z\\", 5},
        {"interval zero is never a busy loop", "[Zephane2000]\nZephPath=E:\\z\\\nInterval=0\n", "E:\\z\\", 1},
        {"negative interval", "[Zephane2000]\nZephPath=E:\\z\\\nInterval=-3\n", "E:\\z\\", 1},
        {"huge interval", "[Zephane2000]\nZephPath=E:\\z\\\nInterval=99999999999\n", "E:\\z\\", 3600},
        {"not a number at all", "[Zephane2000]\nZephPath=E:\\z\\\nInterval=nan\n", "E:\\z\\", 5},
        {"single-byte code page", "[Zephane2000]\nZephPath=/m\xE9\x64ia\\z\\\n",
         QString::fromUtf8("/m\xC3\xA9\x64ia\\z\\"), 5},
        {"no section", "[Other]\nZephPath=E:\\z\\\n", "", 5},
        {"no path", "[Zephane2000]\nInterval=3\n", "", 3},
        {"empty path", "[Zephane2000]\nZephPath=\nInterval=3\n", "", 3},
        {"empty file", "", "", 5},
        {"binary junk", QByteArray("\x00\x01[\xff\xfe]=\n==\n[", 13), "", 5},
        {"unclosed section header", "[Zephane2000\nZephPath=E:\\z\\\n", "E:\\z\\", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SaverSettings s = SaverSettings::parse(c.ini);
        EXPECT_EQ(s.ok(), !c.path.isEmpty()) << qPrintable(s.problem);
        if (!c.path.isEmpty()) {
            EXPECT_EQ(s.photoPath, c.path);
        }
        EXPECT_EQ(s.intervalSeconds, c.interval);
    }
}

TEST(SaverSettings, AFileThatCannotBeUsedIsNamedInTheProblem)
{
    MediaTree tree;
    const QString missing = SaverSettings::iniPath(tree.path());
    EXPECT_EQ(missing, tree.path() + "/Zephane2000.ini");
    SaverSettings s = SaverSettings::read(missing);
    EXPECT_FALSE(s.ok());
    EXPECT_TRUE(s.problem.contains(missing));

    tree.addFolder("Zephane2000.ini"); // a folder where the file should be
    s = SaverSettings::read(missing);
    EXPECT_FALSE(s.ok());
    EXPECT_TRUE(s.problem.contains(missing));

    MediaTree other;
    other.add("Zephane2000.ini", "[Zephane2000]\r\nInterval=4\r\n");
    s = SaverSettings::read(SaverSettings::iniPath(other.path()));
    EXPECT_FALSE(s.ok());
    EXPECT_TRUE(s.problem.contains("ZephPath"));
    EXPECT_TRUE(s.problem.contains(other.path()));

    other.add("Zephane2000.ini", "[Zephane2000]\r\nZephPath=E:\\zephanes\\\r\nInterval=4\r\n");
    s = SaverSettings::read(SaverSettings::iniPath(other.path()));
    EXPECT_TRUE(s.ok());
    EXPECT_EQ(s.intervalSeconds, 4);
}
