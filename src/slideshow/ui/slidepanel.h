#pragma once

#include <QLabel>

// A 3-D panel with a caption that announces clicks. Screen readers read its caption; its role is in the
// accessible description.
class SlidePanel : public QLabel {
    Q_OBJECT
public:
    SlidePanel(const QString& objectName, const QString& caption, const QString& role, QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
