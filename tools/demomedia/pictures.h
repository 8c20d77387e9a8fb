#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

class QPainter;
class QRectF;

// The demo tree's pictures: gradients, a drawn car, and the entry's label in large type. Every picture
// depends only on its arguments, so the JPEG bytes are the same on every run.
namespace pictures {

struct Scheme {
    QColor light;
    QColor dark;
    QColor accent;
    QColor ink;
};
// A colour scheme of its own for each key (an entry text, a file name).
Scheme schemeFor(const QString& key);

// Sizes shrink by this factor in draft mode (tests); 1 for the real tree.
struct Size {
    int divisor = 1;
    int w(int full) const { return std::max(16, full / divisor); }
};

QImage photo(const QString& label, int number, int count, const QString& fileName, Size size);
// A round badge: the year or model in the middle, the emblem's place (FRONT, SIDE, REAR) below.
QImage emblem(const QString& text, const QString& place, const QString& key, Size size, int diameter = 180);
QImage placeholder(const QString& place, Size size);
// The text in slanted, script-like chrome letters.
QImage scriptBadge(const QString& text, const QString& key, Size size);
QImage clipArt(const QString& text, const QString& key, Size size);
QImage advertisement(const QString& label, bool landscape, const QString& key, Size size);
// Larger than a full-HD screen, so the viewer scrolls.
QImage seriesPicture(int index, const QString& title, Size size);
QImage titlePicture(const QString& title, const QString& subtitle, const QString& key, Size size);
QImage logoPicture(const QString& text, Size size);
QImage movieFrame(const QString& caption, int frame, int frames, int width, int height);

void drawCar(QPainter& p, const QRectF& box, const QColor& body, int style);

QByteArray jpeg(const QImage& image, int quality = 88);

}  // namespace pictures
