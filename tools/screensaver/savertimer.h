#pragma once

#include <functional>

// The photo interval: the real program uses a QTimer, tests fire it by hand.
class ISaverTimer {
public:
    virtual ~ISaverTimer() = default;
    // Calls onTimeout every intervalMs until stopped.
    virtual void start(int intervalMs, std::function<void()> onTimeout) = 0;
    virtual void stop() = 0;
};
