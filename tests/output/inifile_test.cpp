// The INI rules the installation writes by (the screen saver reads by the same ones: tests/screensaver).
#include <gtest/gtest.h>

#include "output/inifile.h"

namespace {
const IniFile::Keys kKeys = {{"ZephPath", "/p\\zephanes\\"}, {"Interval", "5"}};
}

TEST(IniFile, WritingKeepsEveryOtherByteAroundTheSection)
{
    struct Case {
        const char* name;
        QByteArray in;
        QByteArray out;
    };
    const std::vector<Case> cases = {
        {"missing file", "", "[Zephane2000]\nZephPath=/p\\zephanes\\\nInterval=5\n"},
        {"LF, section elsewhere", "; top\n[Other]\nx = 1\n\n",
         "; top\n[Other]\nx = 1\n\n[Zephane2000]\nZephPath=/p\\zephanes\\\nInterval=5\n"},
        {"CRLF, no final line end", "[Other]\r\nx=1",
         "[Other]\r\nx=1\r\n[Zephane2000]\r\nZephPath=/p\\zephanes\\\r\nInterval=5\r\n"},
        {"CRLF, keys replaced in place",
         "[a]\r\nk=v\r\n [zephane2000] \r\n; note\r\ninterval = "
         "60\r\nOther=keep\r\nZEPHPATH=old\r\n\r\n[b]\r\ny=2\r\n",
         "[a]\r\nk=v\r\n [zephane2000] \r\n; "
         "note\r\nInterval=5\r\nOther=keep\r\nZephPath=/p\\zephanes\\\r\n\r\n[b]\r\n"
         "y=2\r\n"},
        {"LF, one key missing, blank lines kept after the section", "[Zephane2000]\nInterval=1\n\n\n[b]\ny=2",
         "[Zephane2000]\nInterval=5\nZephPath=/p\\zephanes\\\n\n\n[b]\ny=2"},
        {"same key in another section untouched", "[b]\nInterval=9\n[Zephane2000]\n",
         "[b]\nInterval=9\n[Zephane2000]\nZephPath=/p\\zephanes\\\nInterval=5\n"},
        {"byte-order mark kept, its section found",
         "\xEF\xBB\xBF[Zephane2000]\r\nZephPath=old\r\nInterval=1\r\n",
         "\xEF\xBB\xBF[Zephane2000]\r\nZephPath=/p\\zephanes\\\r\nInterval=5\r\n"},
        {"CR only", "[Zephane2000]\rZephPath=old\rInterval=1\r",
         "[Zephane2000]\rZephPath=/p\\zephanes\\\rInterval=5\r"},
        {"header without its bracket", "[Zephane2000\nZephPath=old\n",
         "[Zephane2000\nZephPath=/p\\zephanes\\\nInterval=5\n"},
        {"the first of a repeated key is the one replaced",
         "[Zephane2000]\nZephPath=a\nZephPath=b\nInterval=1\n",
         "[Zephane2000]\nZephPath=/p\\zephanes\\\nZephPath=b\nInterval=5\n"},
        {"a key without value is replaced", "[Zephane2000]\nZephPath\nInterval=1\n",
         "[Zephane2000]\nZephPath=/p\\zephanes\\\nInterval=5\n"},
        {"only the first of two sections of the name",
         "[Zephane2000]\nInterval=1\n[zephane2000]\nZephPath=x\n",
         "[Zephane2000]\nInterval=5\nZephPath=/p\\zephanes\\\n[zephane2000]\nZephPath=x\n"},
        {"a key added after a last line without line end", "[Zephane2000]\r\nInterval=1",
         "[Zephane2000]\r\nInterval=5\r\nZephPath=/p\\zephanes\\\r\n"},
        {"added after a header that ends the file", "[Zephane2000]",
         "[Zephane2000]\nZephPath=/p\\zephanes\\\nInterval=5\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IniFile(c.in).withKeys("Zephane2000", kKeys), c.out) << c.name;
}

TEST(IniFile, ReadingTakesTheFirstSectionAndTheFirstLineOfAKey)
{
    const IniFile ini("\xEF\xBB\xBFtop=1\r[ a ]\r\nk = \"v w\" \nk=2\nbare\n[A]\nz=3\n[b\n q =r");
    EXPECT_EQ(ini.value("a", "K"), QByteArray("v w"));
    EXPECT_EQ(ini.value("a", "bare"), QByteArray());
    EXPECT_FALSE(ini.value("a", "z"));   // in the second section named a
    EXPECT_FALSE(ini.value("a", "top")); // before any section
    EXPECT_EQ(ini.value("B", "q"), QByteArray("r"));
    EXPECT_EQ(ini.entries().size(), 3u);
}

TEST(IniFile, ValuesThatWouldReadBackOtherwiseAreRefused)
{
    for (const QByteArray& bad : {QByteArray("a\nb"), QByteArray("a\rb"), QByteArray(" a"), QByteArray("a\t"),
                                  QByteArray("\"a\""), QByteArray("a\0b", 3)})
        EXPECT_FALSE(IniFile::canHold(bad)) << bad.toStdString();
    EXPECT_TRUE(IniFile::canHold("/home/\xC3\xA9va/z\\sszephs\\"));
    EXPECT_TRUE(IniFile::canHold("\"a"));
}

TEST(IniFile, ValuesAreDecodedAsUtf8WhereValidElseLatin1)
{
    EXPECT_EQ(IniFile::decode("/home/\xC3\xA9va"), QString::fromUtf8("/home/\xC3\xA9va"));
    EXPECT_EQ(IniFile::decode("/m\xE9"
                              "dia"),
              QString::fromUtf8("/m\xC3\xA9"
                                "dia"));
}
