#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

// Serves the interface from inside a long job on its thread, at most once every few milliseconds: the
// windows keep answering and repainting, while a copy of thousands of small files does not spend its time
// on the event loop after every block.
class EventPump {
public:
    static constexpr qint64 kIntervalMs = 10;

    // True when the events were served this time.
    bool operator()()
    {
        if (m_last.isValid() && m_last.elapsed() < kIntervalMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        m_last.start();
        return true;
    }

private:
    QElapsedTimer m_last;
};
