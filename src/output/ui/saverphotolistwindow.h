#pragma once

#include <QWidget>

#include "output/saverlistview.h"

class QProgressBar;
class QPushButton;

// frmSSPhoto: the small topmost window that adds the main window's photo to the screen saver's list or takes
// it out. Its buttons announce what the user asked; the photo list controller decides.
class SaverPhotoListWindow final : public QWidget, public ISaverListView {
    Q_OBJECT
public:
    explicit SaverPhotoListWindow(QWidget* parent);

    void setAddEnabled(bool enabled) override;
    void setRemoveEnabled(bool enabled) override;
    void setRemoveAllEnabled(bool enabled) override;
    void setBar(double percent) override;

signals:
    void addClicked();
    void removeClicked();
    void removeAllClicked();
    void clipboardClicked();
    void helpClicked();
    void exitClicked();
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* m_add;
    QPushButton* m_remove;
    QPushButton* m_removeAll;
    QProgressBar* m_bar;
};
