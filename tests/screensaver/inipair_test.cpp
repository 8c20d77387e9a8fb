// The installation writes Zephane2000.ini and the screen saver reads it: whatever shape the file had, the
// saver reads back what was installed, and every other key keeps its value. Both go through the real files.
#include <QFile>

#include <gtest/gtest.h>

#include "fakes/fakedrives.h"
#include "fakes/fakemessages.h"
#include "fakes/fakeprocesses.h"
#include "output/inifile.h"
#include "output/mediacopy.h"
#include "output/saverinstaller.h"
#include "platform/qt/linuxfilesystem.h"
#include "saversettings.h"
#include "session/session.h"
#include "support/mediatree.h"

namespace {

struct Shape {
    const char* name;
    QByteArray ini;
};

const std::vector<Shape> kShapes = {
    {"no file", {}},
    {"LF", "[Zephane2000]\nZephPath=/old\\\nInterval=9\n"},
    {"CRLF, other sections",
     "[Desktop]\r\nWallpaper=x\r\n\r\n[Zephane2000]\r\nZephPath=/old\\\r\n[z]\r\na=1\r\n"},
    {"CR only", "[Zephane2000]\rZephPath=/old\\\rInterval=9\r"},
    {"byte-order mark", "\xEF\xBB\xBF[Zephane2000]\r\nZephPath=/old\\\r\nInterval=9\r\n"},
    {"byte-order mark, section later", "\xEF\xBB\xBF; mine\n[a]\nb=c\n"},
    {"header without its bracket", "[Zephane2000\nZephPath=/old\\\n"},
    {"odd case and blanks", "  [ zEPHANE2000 ]  \n  zephpath  =  /old\\  \n"},
    {"duplicate sections", "[Zephane2000]\nInterval=9\n[x]\n[ZEPHANE2000]\nZephPath=/old\\\nInterval=7\n"},
    {"repeated key", "[Zephane2000]\nZephPath=/first\\\nInterval=9\nZephPath=/second\\\n"},
    {"keys without a value", "[Zephane2000]\nZephPath\nInterval\nflag\n"},
    {"no final line end, key missing", "[Zephane2000]\nInterval=5"},
    {"no final line end, other section last", "[Zephane2000]\nInterval=5\n[b]\nc=d"},
    {"a Latin-1 byte elsewhere", "[Other]\nname=caf\xE9\n[Zephane2000]\nZephPath=/old\\\n"},
    {"mixed line ends", "[a]\r\nk=1\n[Zephane2000]\rInterval=3\r\n\n"},
    {"quoted old value", "[Zephane2000]\nZephPath=\"/old\\\"\n"},
    {"empty lines only", "\n\n\r\n"},
};

struct Pair : ::testing::Test {
    MediaTree program, saver, disc;
    FakeDrives drives;
    FakeMessages messages;
    FakeProcesses processes;
    LinuxFileSystem fs{saver.path()};
    Session session{messages, processes, drives, QString()};
    MediaCopy copy{session, fs, messages};
    SaverInstaller installer{session, fs, messages, copy};

    Pair()
    {
        // A program folder whose name is not ASCII, as under a home folder of "Zoë" or "Élodie".
        session.roots.programFolder = program.path() + QString::fromUtf8("/\xC3\xA9t\xC3\xA9");
        session.roots.mediaRoot = disc.path();
        session.roots.photoRoot = disc.path();
        program.add(QString::fromUtf8("\xC3\xA9t\xC3\xA9/Zephane2000.scr"), "#!/bin/sh\n");
        program.add(QString::fromUtf8("\xC3\xA9t\xC3\xA9/sszephs/53A.JPG"));
    }
    QString ini() const { return saver.file(QStringLiteral("Zephane2000.ini")); }
    QByteArray iniBytes() const
    {
        QFile f(ini());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

TEST_F(Pair, WhatTheInstallationWritesTheSaverReadsBackAndOtherKeysKeepTheirValues)
{
    for (const Shape& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        QFile::remove(ini());
        if (!shape.ini.isNull())
            saver.add(QStringLiteral("Zephane2000.ini"), shape.ini);
        const std::vector<IniFile::Entry> before = IniFile(shape.ini).entries();

        installer.open();
        installer.spin(false); // 60 seconds
        ASSERT_TRUE(installer.install(true));

        const SaverSettings read = SaverSettings::read(SaverSettings::iniPath(saver.path()));
        EXPECT_TRUE(read.ok()) << qPrintable(read.problem);
        EXPECT_EQ(read.photoPath, session.roots.programFolder + QStringLiteral("\\sszephs\\"));
        EXPECT_EQ(read.intervalSeconds, 60);

        const IniFile after(iniBytes());
        for (const IniFile::Entry& e : before) {
            const bool ours = e.section.trimmed().compare("Zephane2000", Qt::CaseInsensitive) == 0 &&
                              (e.key.compare("ZephPath", Qt::CaseInsensitive) == 0 ||
                               e.key.compare("Interval", Qt::CaseInsensitive) == 0);
            if (!ours) {
                EXPECT_EQ(after.value(e.section, e.key), e.value)
                    << e.section.constData() << "/" << e.key.constData();
            }
        }
        // A second installation changes nothing more.
        const QByteArray once = iniBytes();
        installer.open();
        installer.spin(false);
        ASSERT_TRUE(installer.install(true));
        EXPECT_EQ(iniBytes(), once);
    }
}

TEST_F(Pair, TheSaverDecodesThePathByItsOwnLineWhateverElseTheFileHolds)
{
    saver.add(QStringLiteral("Zephane2000.ini"), "[Other]\r\nname=caf\xE9\r\n");
    installer.open();
    ASSERT_TRUE(installer.install(true));
    const SaverSettings read = SaverSettings::read(SaverSettings::iniPath(saver.path()));
    EXPECT_EQ(read.photoPath, session.roots.programFolder + QStringLiteral("\\sszephs\\"));
    EXPECT_TRUE(read.photoPath.contains(QChar(0xE9)));
}
