#pragma once

#include "platform/clipboard.h"

// The clipboard of the desktop session, through QGuiApplication::clipboard().
class QtClipboard final : public IClipboard {
public:
    void clear() override;
    void setImage(const QImage& image) override;
    void setText(const QString& text) override;
};
