#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The slide show's clock panels: the texts for a moment, and when they next change.
namespace slideclock {

struct Texts {
    QString time; // "02:05:09 pm": 12-hour clock, lower-case am/pm
    QString date; // "01/05/00": month, day, two-digit year, with the locale's date separator
    QString day;  // the locale's full weekday name
};

Texts texts(const QDateTime& now, const QLocale& locale);
// The locale's date separator: the first character between the fields of its short date format.
QChar dateSeparator(const QLocale& locale);
// Milliseconds from now to the next whole second (1..1000), when the texts next change.
int msToNextSecond(const QDateTime& now);

} // namespace slideclock
