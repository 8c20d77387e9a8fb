#pragma once

#include <QTimer>

#include "savertimer.h"

// The photo interval on a QTimer.
class QtSaverTimer final : public ISaverTimer {
public:
    void start(int intervalMs, std::function<void()> onTimeout) override;
    void stop() override;

private:
    QTimer m_timer;
};
