// The clock panels' texts under a fixed time and locale, and the wake-up on the second boundary.
#include <gtest/gtest.h>

#include "slideshow/slideclock.h"

namespace {

QDateTime at(int h, int m, int s, int ms = 0)
{
    return QDateTime(QDate(2000, 1, 5), QTime(h, m, s, ms)); // a Wednesday
}

TEST(SlideClock, TwelveHourTimeWithLowerCaseSuffix)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const std::pair<QDateTime, const char*> rows[] = {
        {at(14, 5, 9), "02:05:09 pm"},   {at(0, 0, 0), "12:00:00 am"},  {at(12, 30, 0), "12:30:00 pm"},
        {at(11, 59, 59), "11:59:59 am"}, {at(23, 1, 2), "11:01:02 pm"},
    };
    for (const auto& [t, text] : rows)
        EXPECT_EQ(slideclock::texts(t, us).time, QString::fromLatin1(text));
}

TEST(SlideClock, DateTakesTheLocalesSeparatorAndDayItsName)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale de(QLocale::German, QLocale::Germany);
    const QLocale nl(QLocale::Dutch, QLocale::Netherlands);
    EXPECT_EQ(slideclock::texts(at(9, 0, 0), us).date, "01/05/00");
    EXPECT_EQ(slideclock::texts(at(9, 0, 0), de).date, "01.05.00"); // order stays month, day, year
    EXPECT_EQ(slideclock::texts(at(9, 0, 0), nl).date, "01-05-00");
    EXPECT_EQ(slideclock::texts(at(9, 0, 0), us).day, "Wednesday");
    EXPECT_EQ(slideclock::texts(at(9, 0, 0), de).day, "Mittwoch");
}

TEST(SlideClock, WakesOnTheNextWholeSecond)
{
    EXPECT_EQ(slideclock::msToNextSecond(at(9, 0, 0, 0)), 1000);
    EXPECT_EQ(slideclock::msToNextSecond(at(9, 0, 0, 250)), 750);
    EXPECT_EQ(slideclock::msToNextSecond(at(9, 0, 0, 999)), 1);
}

} // namespace
