#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// frmAbout: the title in three panels, the publisher's name and address, its rights notice, a picture and
// OK. Captionless.
class AboutWindow final : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

    QPushButton* okButton() const { return m_ok; }

private:
    QLabel* panel(const QString& name, const QString& text, const QRect& geometry, int pointSize);

    QPushButton* m_ok = nullptr;
};
