#pragma once

#include "platform/clock.h"

// The system's local time.
class QtClock final : public IClock {
public:
    QDateTime now() const override;
};
