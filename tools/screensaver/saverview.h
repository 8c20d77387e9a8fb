#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// What the screen saver draws on: one photo, decoded at the view's size, or a calm message.
class ISaverView {
public:
    virtual ~ISaverView() = default;
    virtual void showPhoto(const QImage& photo) = 0;
    virtual void showMessage(const QString& text) = 0;
    // The size photos are decoded for (the screen or the window the saver draws into).
    virtual QSize pictureSize() const = 0;
};
