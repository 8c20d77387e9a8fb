#include <gtest/gtest.h>

#include "platform/drivemap.h"

TEST(DriveMap, UserMountsAndDiscsGetLettersInPathOrder)
{
    const QString mounts = "/dev/vda / ext4 rw 0 0\n"
                           "proc /proc proc rw 0 0\n"
                           "/dev/sr0 /srv/cdrom iso9660 ro 0 0\n"
                           "/dev/sdb1 /media/ann/USB\\040STICK vfat rw 0 0\n"
                           "/dev/sdc1 /mnt/backup ext4 rw 0 0\n"
                           "/dev/sdd1 /run/media/bob/DISC udf ro 0 0\n"
                           "tmpfs /mnt tmpfs rw 0 0\n"
                           "/dev/sde1 /mediashare ext4 rw 0 0\n";
    const auto letters = drivemap::assignLetters(drivemap::parseMounts(mounts));
    EXPECT_EQ(letters.size(), 4);
    EXPECT_EQ(letters.value('D'), "/media/ann/USB STICK");
    EXPECT_EQ(letters.value('E'), "/mnt/backup");
    EXPECT_EQ(letters.value('F'), "/run/media/bob/DISC");
    EXPECT_EQ(letters.value('G'), "/srv/cdrom");
    EXPECT_FALSE(letters.contains('C'));
}

TEST(DriveMap, AtMostTwentyThreeLetters)
{
    QString mounts;
    for (int i = 0; i < 40; ++i)
        mounts += QString("/dev/x%1 /mnt/d%2 ext4 rw 0 0\n").arg(i).arg(i, 2, 10, QChar('0'));
    const auto letters = drivemap::assignLetters(drivemap::parseMounts(mounts));
    EXPECT_EQ(letters.size(), 23);
    EXPECT_EQ(letters.firstKey(), QChar('D'));
    EXPECT_EQ(letters.lastKey(), QChar('Z'));
    EXPECT_EQ(letters.value('D'), "/mnt/d00");
}

TEST(DriveMap, GarbageLinesAreSkipped)
{
    const auto letters = drivemap::assignLetters(drivemap::parseMounts("garbage\n\n /x\n/dev/a /mnt/\\77 ext4\n"));
    EXPECT_EQ(letters.value('D'), "/mnt/\\77");
}
