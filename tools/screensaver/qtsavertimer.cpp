#include "qtsavertimer.h"

void QtSaverTimer::start(int intervalMs, std::function<void()> onTimeout)
{
    m_timer.disconnect();
    QObject::connect(&m_timer, &QTimer::timeout, std::move(onTimeout));
    m_timer.setTimerType(Qt::CoarseTimer);
    m_timer.start(intervalMs);
}

void QtSaverTimer::stop()
{
    m_timer.stop();
}
