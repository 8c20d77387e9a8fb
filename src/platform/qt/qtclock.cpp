#include "platform/qt/qtclock.h"

QDateTime QtClock::now() const
{
    return QDateTime::currentDateTime();
}
