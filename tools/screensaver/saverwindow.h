#pragma once

#include <optional>

#include <QImage>
#include <QPoint>
#include <QWidget>

#include "saverview.h"

// The screen saver's surface: black, with the photo centred or a message in quiet grey. On its own screen
// it asks to quit on any key, button, wheel or mouse movement; the first small movements after it appears
// (the pointer settling, a synthetic motion when the window maps) are ignored.
class SaverWindow final : public QWidget, public ISaverView {
    Q_OBJECT
public:
    explicit SaverWindow(bool quitOnInput, QWidget* parent = nullptr);

    void showPhoto(const QImage& photo) override;
    void showMessage(const QString& text) override;
    QSize pictureSize() const override;

    const QString& message() const { return m_message; }

    // Movement within this many pixels of where the pointer was first seen does not count.
    static constexpr int kMotionSlack = 10;

signals:
    void quitRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void input();

    bool m_quitOnInput;
    QImage m_photo;
    QString m_message;
    std::optional<QPoint> m_firstPointer;
};
