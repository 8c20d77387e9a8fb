#pragma once

#include <functional>

#include <QElapsedTimer>
#include <QFrame>
#include <QTimer>

#include "output/copypanelview.h"

class IMainFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// pnlProgress: the copy panel laid over the main window, with the file line, the per-file bar and the
// overall bar. Its buttons announce Copy and Cancel; the copy controller drives the rest.
class CopyProgressPanel final : public QFrame, public ICopyPanelView {
    Q_OBJECT
public:
    explicit CopyProgressPanel(IMainFrame& frame);

    void prepare(const QString& title, const QString& copyCaption) override;
    void setPanelVisible(bool visible) override;
    void setButtonsEnabled(bool enabled) override;
    void focusCancel() override;
    void setFileText(const QString& path) override;
    void setFileBar(int percent) override;
    void setOverallBar(int percent) override;

signals:
    void copyClicked();
    void cancelClicked();

private:
    // The bars and the file line are repainted at most once a frame; the last values always show.
    void showPending();

    IMainFrame& m_frame;
    QElapsedTimer m_shown;
    QTimer m_pending;
    int m_fileValue = 0;
    int m_overallValue = 0;
    QString m_fileTextValue;
    QLabel* m_title;
    QLineEdit* m_file;
    QProgressBar* m_fileBar;
    QProgressBar* m_overallBar;
    QPushButton* m_copy;
    QPushButton* m_cancel;
};
