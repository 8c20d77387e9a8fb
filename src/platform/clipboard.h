#pragma once

#include <QString>

class QImage; // a QtGui type: the interface only passes it on, so the logic stays free of QtGui

// The system clipboard: the program only ever clears it and puts one picture or one text on it.
class IClipboard {
public:
    virtual ~IClipboard() = default;
    virtual void clear() = 0;
    virtual void setImage(const QImage& image) = 0;
    virtual void setText(const QString& text) = 0;
};
