#pragma once

#include <functional>

#include <QFrame>

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
    IMainFrame& m_frame;
    QLabel* m_title;
    QLineEdit* m_file;
    QProgressBar* m_fileBar;
    QProgressBar* m_overallBar;
    QPushButton* m_copy;
    QPushButton* m_cancel;
};
