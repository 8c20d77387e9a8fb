#pragma once

#include <vector>

#include <QFrame>

class QLabel;
class QPushButton;

// pnlSound: the panel of sound effects laid over the main window, 27 play buttons with their labels in three
// columns, Stop and Close. It only announces clicks.
class SoundPanel final : public QFrame {
    Q_OBJECT
public:
    explicit SoundPanel(QWidget* parent = nullptr);

    // Design positions in twips (15 per pixel).
    static QPoint buttonPositionTwips(int index);

    QPushButton* playButton(int index) const { return m_play.at(static_cast<size_t>(index)); }
    QLabel* label(int index) const { return m_labels.at(static_cast<size_t>(index)); }
    QPushButton* closeButton() const { return m_close; }
    QPushButton* stopButton() const { return m_stop; }

signals:
    void playClicked(int index);
    void stopClicked();
    void closeClicked();

private:
    std::vector<QPushButton*> m_play;
    std::vector<QLabel*> m_labels;
    QPushButton* m_stop = nullptr;
    QPushButton* m_close = nullptr;
};
