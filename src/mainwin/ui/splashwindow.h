#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;

// The splash window: a picture and a panel, no caption; Timer1 opens the main window.
class SplashWindow final : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    QTimer& timer() { return m_timer; }

signals:
    void timerFired();

private:
    QTimer m_timer;
    QLabel* m_picture = nullptr;
    QLabel* m_panel = nullptr;
};
