#pragma once

#include <QDateTime>

// The local date and time, read through a port so clocks can be tested at any moment.
class IClock {
public:
    virtual ~IClock() = default;
    virtual QDateTime now() const = 0;
};
