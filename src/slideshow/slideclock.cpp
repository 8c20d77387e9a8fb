#include "slideshow/slideclock.h"

namespace slideclock {

QChar dateSeparator(const QLocale& locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    for (const QChar c : format)
        if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\''))
            return c;
    return QLatin1Char('/');
}

Texts texts(const QDateTime& now, const QLocale& locale)
{
    const QTime t = now.time();
    const QDate d = now.date();
    const int hour12 = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
    const auto two = [](int v) { return QString::number(v).rightJustified(2, QLatin1Char('0')); };
    Texts x;
    x.time = two(hour12) + QLatin1Char(':') + two(t.minute()) + QLatin1Char(':') + two(t.second()) +
             (t.hour() < 12 ? QStringLiteral(" am") : QStringLiteral(" pm"));
    const QChar sep = dateSeparator(locale);
    x.date = two(d.month()) + sep + two(d.day()) + sep + two(d.year() % 100);
    x.day = locale.dayName(d.dayOfWeek(), QLocale::LongFormat);
    return x;
}

int msToNextSecond(const QDateTime& now)
{
    return 1000 - now.time().msec();
}

} // namespace slideclock
