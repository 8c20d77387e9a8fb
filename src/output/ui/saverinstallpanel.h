#pragma once

#include <QFrame>

class IMainFrame;
class QLabel;
class QPushButton;
class QRadioButton;

// pnlSSaver: the screen-saver installation panel laid over the main window: which photos, the delay, and
// Install, Help and Cancel/Exit. It announces the user's choices; the module's installer acts on them.
class SaverInstallPanel final : public QFrame {
    Q_OBJECT
public:
    explicit SaverInstallPanel(IMainFrame& frame);

    // mnuSaver: place, offer "Selected Photos" or not, show, focus and caption SSCommand6 "Cancel".
    void open(bool selectedPhotosOffered);
    bool selectedPhotosChosen() const;
    void setIntervalCaption(const QString& caption);
    void setInstalled(); // SSCommand6 becomes "Exit"
    void setInstallEnabled(bool enabled);

signals:
    void spun(bool up);
    void installClicked();
    void helpClicked();
    void cancelClicked();

private:
    IMainFrame& m_frame;
    QRadioButton* m_all;
    QRadioButton* m_selected;
    QLabel* m_interval;
    QPushButton* m_install;
    QPushButton* m_cancel;
};
