#pragma once

#include "platform/clock.h"

// A clock that stands still until the test moves it.
class FakeClock final : public IClock {
public:
    explicit FakeClock(QDateTime t = QDateTime(QDate(2000, 1, 5), QTime(14, 5, 9, 250))) : time(std::move(t))
    {
    }
    QDateTime now() const override { return time; }
    void advanceMs(qint64 ms) { time = time.addMSecs(ms); }
    QDateTime time;
};
