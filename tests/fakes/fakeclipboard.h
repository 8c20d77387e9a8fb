#pragma once

#include <vector>

#include <QImage>

#include "platform/clipboard.h"

// Remembers what was put on the clipboard, in order ("clear", "image", "text").
class FakeClipboard final : public IClipboard {
public:
    void clear() override
    {
        calls.push_back("clear");
        image = QImage();
        text.clear();
    }
    void setImage(const QImage& i) override
    {
        calls.push_back("image");
        image = i;
    }
    void setText(const QString& t) override
    {
        calls.push_back("text");
        text = t;
    }

    std::vector<QString> calls;
    QImage image;
    QString text;
};
