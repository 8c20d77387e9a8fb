#include "pictures.h"

#include <algorithm>
#include <cmath>

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "stablehash.h"

namespace pictures {

namespace {

const QString kSans = QStringLiteral("DejaVu Sans");
const QString kSerif = QStringLiteral("DejaVu Serif");

QFont font(const QString& family, double pixels, bool bold)
{
    QFont f(family);
    f.setPixelSize(std::max(1, int(pixels)));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// The largest font up to maxPixels whose text fits the width.
QFont fitted(const QString& family, const QString& text, double width, double maxPixels, bool bold)
{
    double px = maxPixels;
    while (px > 6) {
        const QFont f = font(family, px, bold);
        if (QFontMetricsF(f).horizontalAdvance(text) <= width)
            return f;
        px *= 0.92;
    }
    return font(family, 6, bold);
}

// Text with a soft drop shadow.
void shadowText(QPainter& p, const QRectF& r, int flags, const QString& text, const QColor& ink,
                double offset)
{
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(r.translated(offset, offset), flags, text);
    p.setPen(ink);
    p.drawText(r, flags, text);
}

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::black);
    return img;
}

void begin(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

int styleFor(const QString& label)
{
    bool ok = false;
    const int year = label.left(4).toInt(&ok);
    if (!ok)
        return int(fnv(label) % 4);
    if (year < 1963)
        return 0;
    if (year < 1968)
        return 1;
    if (year < 1984)
        return 2;
    return 3;
}

// A ski boat on the water line of the box.
void drawBoat(QPainter& p, const QRectF& b, const QColor& body)
{
    const double x = b.left(), y = b.top(), w = b.width(), h = b.height();
    auto P = [&](double fx, double fy) { return QPointF(x + fx * w, y + fy * h); };
    QPainterPath hull;
    hull.moveTo(P(0.02, 0.45));
    hull.lineTo(P(0.80, 0.45));
    hull.cubicTo(P(0.92, 0.45), P(0.99, 0.50), P(0.99, 0.55));
    hull.cubicTo(P(0.90, 0.75), P(0.70, 0.80), P(0.45, 0.80));
    hull.lineTo(P(0.05, 0.80));
    hull.closeSubpath();
    QLinearGradient paint(P(0, 0.45), P(0, 0.8));
    paint.setColorAt(0, body.lighter(150));
    paint.setColorAt(1, body.darker(200));
    p.setPen(QPen(body.darker(300), std::max(1.0, w / 300)));
    p.setBrush(paint);
    p.drawPath(hull);
    p.setPen(QPen(Qt::white, std::max(1.0, h / 40)));
    p.drawLine(P(0.06, 0.60), P(0.90, 0.58));
    QPainterPath screen;
    screen.moveTo(P(0.50, 0.45));
    screen.lineTo(P(0.56, 0.30));
    screen.lineTo(P(0.62, 0.30));
    screen.lineTo(P(0.60, 0.45));
    screen.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 215, 235, 210));
    p.drawPath(screen);
    // Spray behind the stern.
    p.setBrush(QColor(255, 255, 255, 150));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(P(0.02 - 0.03 * i, 0.70 - 0.04 * (i % 3)), w * 0.03, h * 0.06);
}

// Head-and-shoulders silhouette for the people collection.
void drawPerson(QPainter& p, const QRectF& b, const QColor& body)
{
    const QPointF c = b.center();
    const double r = b.height() * 0.22;
    QLinearGradient shade(b.topLeft(), b.bottomLeft());
    shade.setColorAt(0, body.lighter(140));
    shade.setColorAt(1, body.darker(220));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(QPointF(c.x(), b.top() + r * 1.3), r, r * 1.15);
    QPainterPath shoulders;
    shoulders.moveTo(c.x() - r * 2.6, b.bottom());
    shoulders.cubicTo(QPointF(c.x() - r * 2.4, b.top() + r * 1.7), QPointF(c.x() + r * 2.4, b.top() + r * 1.7),
                      QPointF(c.x() + r * 2.6, b.bottom()));
    shoulders.closeSubpath();
    p.drawPath(shoulders);
}

bool isBoat(const QString& label)
{
    return label.startsWith(QLatin1String("Malibu")) || label == QLatin1String("Ski Boat");
}

}  // namespace

Scheme schemeFor(const QString& key)
{
    const quint32 h = fnv(key);
    const int hue = int(h % 360);
    const int sat = 140 + int((h >> 9) % 90);
    Scheme s;
    s.light = QColor::fromHsv(hue, sat / 2, 245);
    s.dark = QColor::fromHsv((hue + 25) % 360, sat, 90 + int((h >> 17) % 50));
    s.accent = QColor::fromHsv((hue + 180) % 360, 200, 230);
    s.ink = QColor(255, 255, 255);
    return s;
}

void drawCar(QPainter& p, const QRectF& b, const QColor& body, int style)
{
    const double x = b.left(), y = b.top(), w = b.width(), h = b.height();
    auto P = [&](double fx, double fy) { return QPointF(x + fx * w, y + fy * h); };

    // Shadow on the road.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(QRectF(P(0.02, 0.86), P(0.98, 1.0)));

    QPainterPath shell;
    switch (style % 4) {
    case 0:  // fifties roadster: rounded, low windscreen
        shell.moveTo(P(0.02, 0.70));
        shell.cubicTo(P(0.02, 0.50), P(0.10, 0.45), P(0.25, 0.45));
        shell.lineTo(P(0.42, 0.42));
        shell.cubicTo(P(0.75, 0.38), P(0.92, 0.45), P(0.98, 0.58));
        shell.lineTo(P(0.98, 0.76));
        shell.lineTo(P(0.02, 0.78));
        break;
    case 1:  // sixties coupe: split fastback
        shell.moveTo(P(0.02, 0.68));
        shell.cubicTo(P(0.04, 0.52), P(0.18, 0.48), P(0.30, 0.46));
        shell.cubicTo(P(0.40, 0.24), P(0.55, 0.20), P(0.66, 0.28));
        shell.cubicTo(P(0.80, 0.36), P(0.94, 0.44), P(0.98, 0.56));
        shell.lineTo(P(0.98, 0.76));
        shell.lineTo(P(0.02, 0.78));
        break;
    case 2:  // seventies: long nose, tall fenders
        shell.moveTo(P(0.01, 0.66));
        shell.cubicTo(P(0.03, 0.50), P(0.12, 0.50), P(0.20, 0.48));
        shell.cubicTo(P(0.30, 0.40), P(0.28, 0.52), P(0.42, 0.44));
        shell.lineTo(P(0.55, 0.24));
        shell.lineTo(P(0.70, 0.26));
        shell.cubicTo(P(0.76, 0.40), P(0.80, 0.36), P(0.86, 0.42));
        shell.cubicTo(P(0.95, 0.44), P(0.99, 0.50), P(0.99, 0.60));
        shell.lineTo(P(0.99, 0.76));
        shell.lineTo(P(0.01, 0.78));
        break;
    default:  // modern wedge
        shell.moveTo(P(0.01, 0.62));
        shell.lineTo(P(0.06, 0.54));
        shell.lineTo(P(0.36, 0.44));
        shell.cubicTo(P(0.46, 0.26), P(0.58, 0.22), P(0.70, 0.26));
        shell.cubicTo(P(0.82, 0.32), P(0.92, 0.38), P(0.99, 0.46));
        shell.lineTo(P(0.99, 0.74));
        shell.lineTo(P(0.01, 0.78));
        break;
    }
    shell.closeSubpath();

    QLinearGradient paint(P(0, 0.2), P(0, 0.8));
    paint.setColorAt(0, body.lighter(160));
    paint.setColorAt(0.45, body);
    paint.setColorAt(1, body.darker(220));
    p.setBrush(paint);
    p.setPen(QPen(body.darker(300), std::max(1.0, w / 300)));
    p.drawPath(shell);

    // Side glass.
    QPainterPath glass;
    const double top = style % 4 == 0 ? 0.30 : 0.30;
    glass.moveTo(P(0.45, 0.45));
    glass.lineTo(P(0.50, top));
    glass.lineTo(P(0.64, top + 0.01));
    glass.lineTo(P(0.72, 0.43));
    glass.closeSubpath();
    if (style % 4 == 0) {
        // An open roadster: a raked windscreen frame and a driver's head rest.
        QPainterPath screen;
        screen.moveTo(P(0.40, 0.43));
        screen.lineTo(P(0.46, 0.27));
        screen.lineTo(P(0.49, 0.27));
        screen.lineTo(P(0.45, 0.42));
        screen.closeSubpath();
        p.setBrush(QColor(190, 215, 235, 200));
        p.setPen(QPen(QColor(230, 230, 235), std::max(1.0, w / 400)));
        p.drawPath(screen);
        p.setPen(Qt::NoPen);
        p.setBrush(body.darker(250));
        p.drawRoundedRect(QRectF(P(0.55, 0.36), P(0.62, 0.43)), w / 80, w / 80);
    } else {
        QLinearGradient g(P(0.45, top), P(0.7, 0.45));
        g.setColorAt(0, QColor(200, 225, 245));
        g.setColorAt(1, QColor(60, 80, 110));
        p.setBrush(g);
        p.setPen(Qt::NoPen);
        p.drawPath(glass);
    }
    // Chrome stripe.
    p.setPen(QPen(QColor(235, 235, 240), std::max(1.0, h / 60)));
    p.drawLine(P(0.06, 0.62), P(0.94, 0.60));

    // Wheels.
    for (double cx : {0.22, 0.80}) {
        const QPointF c = P(cx, 0.78);
        const double r = h * 0.17;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(25, 25, 28));
        p.drawEllipse(c, r, r);
        QRadialGradient rim(c, r * 0.62);
        rim.setColorAt(0, QColor(250, 250, 250));
        rim.setColorAt(0.7, QColor(170, 175, 185));
        rim.setColorAt(1, QColor(90, 90, 100));
        p.setBrush(rim);
        p.drawEllipse(c, r * 0.62, r * 0.62);
        p.setBrush(QColor(60, 60, 66));
        p.drawEllipse(c, r * 0.16, r * 0.16);
    }
    // Lamps.
    p.setBrush(QColor(255, 250, 210));
    p.drawEllipse(QRectF(P(0.955, 0.52), P(0.99, 0.58)));
    p.setBrush(QColor(220, 30, 30));
    p.drawRect(QRectF(P(0.015, 0.56), P(0.035, 0.62)));
}

QImage photo(const QString& label, int number, int count, const QString& fileName, Size size)
{
    const int W = size.w(640), H = size.w(480);
    QImage img = canvas(W, H);
    QPainter p(&img);
    begin(p);
    const Scheme s = schemeFor(label);

    // Sky, horizon and road; the light moves with the photo number so the photos of one entry differ.
    QLinearGradient sky(0, 0, 0, H * 0.62);
    sky.setColorAt(0, s.dark);
    sky.setColorAt(1, s.light);
    p.fillRect(QRectF(0, 0, W, H * 0.62), sky);
    QRadialGradient sun(QPointF(W * (0.15 + 0.7 * ((number * 37) % 100) / 100.0), H * 0.45), W * 0.35);
    sun.setColorAt(0, QColor(255, 255, 230, 190));
    sun.setColorAt(1, QColor(255, 255, 230, 0));
    p.fillRect(QRectF(0, 0, W, H * 0.62), sun);
    QLinearGradient road(0, H * 0.62, 0, H);
    road.setColorAt(0, QColor(70, 72, 80));
    road.setColorAt(1, QColor(25, 25, 30));
    p.fillRect(QRectF(0, H * 0.62, W, H * 0.38), road);
    p.setPen(QPen(QColor(240, 210, 80), std::max(1, H / 120), Qt::DashLine));
    p.drawLine(QPointF(0, H * 0.9), QPointF(W, H * 0.9));

    const double carW = W * (0.70 + 0.07 * (number % 3));
    const double carX = (W - carW) * (0.15 + 0.7 * (number % 4) / 3.0);
    if (isBoat(label)) {
        QLinearGradient water(0, H * 0.62, 0, H);
        water.setColorAt(0, QColor(40, 110, 170));
        water.setColorAt(1, QColor(10, 40, 80));
        p.fillRect(QRectF(0, H * 0.62, W, H * 0.38), water);
        drawBoat(p, QRectF(carX, H * 0.40, carW, H * 0.40), s.accent);
    } else if (label.startsWith(QLatin1String("Top Ten"))) {
        QLinearGradient studio(0, H * 0.62, 0, H);
        studio.setColorAt(0, s.light.darker(130));
        studio.setColorAt(1, s.dark.darker(160));
        p.fillRect(QRectF(0, H * 0.62, W, H * 0.38), studio);
        drawPerson(p, QRectF(W * 0.28, H * 0.30, W * 0.44, H * 0.62), schemeFor(fileName).accent);
    } else {
        drawCar(p, QRectF(carX, H * 0.36, carW, H * 0.44), s.accent, styleFor(label));
    }

    // The entry label in large type, the photo number in a disc.
    const QString text = label.trimmed();
    p.setFont(fitted(kSans, text, W * 0.92, H * 0.17, true));
    shadowText(p, QRectF(0, H * 0.03, W, H * 0.22), Qt::AlignHCenter | Qt::AlignVCenter, text, s.ink,
               H / 160.0 + 1);

    const double r = H * 0.11;
    const QPointF c(W - r * 1.35, H - r * 1.35);
    p.setPen(QPen(QColor(255, 255, 255), std::max(1.0, r / 12)));
    p.setBrush(s.dark);
    p.drawEllipse(c, r, r);
    p.setFont(font(kSans, r * (number > 9 ? 0.95 : 1.25), true));
    p.setPen(Qt::white);
    p.drawText(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), Qt::AlignCenter, QString::number(number));

    p.setFont(font(kSans, H * 0.035, false));
    shadowText(p, QRectF(W * 0.03, H * 0.92, W * 0.6, H * 0.07), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("%1   photo %2 of %3").arg(fileName).arg(number).arg(count),
               QColor(230, 230, 235), 1);
    return img;
}

QImage emblem(const QString& text, const QString& place, const QString& key, Size size, int diameter)
{
    const int D = size.w(diameter);
    QImage img = canvas(D, D);
    QPainter p(&img);
    begin(p);
    const Scheme s = schemeFor(key);
    p.fillRect(img.rect(), QColor(18, 18, 22));
    const QPointF c(D / 2.0, D / 2.0);
    const double R = D * 0.47;

    QColor metal = place == QLatin1String("FRONT") ? QColor(222, 184, 80)
                   : place == QLatin1String("SIDE") ? QColor(200, 205, 215)
                                                    : QColor(196, 124, 70);
    QRadialGradient ring(c - QPointF(R * 0.3, R * 0.3), R * 1.4);
    ring.setColorAt(0, metal.lighter(150));
    ring.setColorAt(0.6, metal);
    ring.setColorAt(1, metal.darker(200));
    p.setPen(Qt::NoPen);
    p.setBrush(ring);
    p.drawEllipse(c, R, R);

    QRadialGradient field(c - QPointF(R * 0.25, R * 0.25), R);
    field.setColorAt(0, s.accent.lighter(130));
    field.setColorAt(1, s.dark);
    p.setBrush(field);
    p.drawEllipse(c, R * 0.8, R * 0.8);

    // A chequered-flag band behind the text.
    const double cell = R * 0.16;
    for (int i = -5; i < 5; ++i)
        for (int j = 0; j < 2; ++j)
            p.fillRect(QRectF(c.x() + i * cell, c.y() - cell + j * cell, cell, cell),
                       (i + j) % 2 ? QColor(255, 255, 255, 40) : QColor(0, 0, 0, 40));

    p.setFont(fitted(kSerif, text, R * 1.4, R * 0.62, true));
    shadowText(p, QRectF(c.x() - R, c.y() - R * 0.45, 2 * R, R * 0.9), Qt::AlignCenter, text, Qt::white, 1.5);
    p.setFont(font(kSans, R * 0.16, true));
    p.setPen(metal.darker(420));
    p.drawText(QRectF(c.x() - R, c.y() + R * 0.62, 2 * R, R * 0.3), Qt::AlignCenter, place);
    p.drawText(QRectF(c.x() - R, c.y() - R * 0.92, 2 * R, R * 0.3), Qt::AlignCenter,
               QStringLiteral("ZEPHANE"));
    return img;
}

QImage placeholder(const QString& place, Size size)
{
    const int D = size.w(180);
    QImage img = canvas(D, D);
    QPainter p(&img);
    begin(p);
    p.fillRect(img.rect(), QColor(18, 18, 22));
    const QPointF c(D / 2.0, D / 2.0);
    const double R = D * 0.44;
    p.setPen(QPen(QColor(150, 150, 160), std::max(1.0, D / 45.0), Qt::DashLine));
    p.setBrush(QColor(45, 45, 52));
    p.drawEllipse(c, R, R);
    p.setPen(QColor(200, 200, 210));
    p.setFont(font(kSans, R * 0.2, true));
    p.drawText(QRectF(c.x() - R, c.y() - R * 0.4, 2 * R, R * 0.8), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("no %1\nemblem").arg(place.toLower()));
    return img;
}

QImage scriptBadge(const QString& text, const QString& key, Size size)
{
    const int W = size.w(300), H = size.w(96);
    QImage img = canvas(W, H);
    QPainter p(&img);
    begin(p);
    const Scheme s = schemeFor(key);
    QLinearGradient bg(0, 0, 0, H);
    bg.setColorAt(0, QColor(30, 30, 36));
    bg.setColorAt(1, s.dark.darker(180));
    p.fillRect(img.rect(), bg);

    // Slanted letters read as script; the chrome gradient runs across the glyphs.
    const QFont f = fitted(kSerif, text, W * 0.78, H * 0.72, true);
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF b = path.boundingRect();
    QTransform t;
    t.translate(W / 2.0, H / 2.0);
    t.shear(-0.35, 0);
    t.translate(-b.center().x(), -b.center().y());
    const QPainterPath glyphs = t.map(path);
    QLinearGradient chrome(0, H * 0.15, 0, H * 0.85);
    chrome.setColorAt(0, QColor(255, 255, 255));
    chrome.setColorAt(0.48, QColor(170, 180, 195));
    chrome.setColorAt(0.52, QColor(90, 95, 110));
    chrome.setColorAt(1, QColor(230, 235, 245));
    p.setPen(QPen(s.accent, std::max(1.0, H / 40.0)));
    p.setBrush(chrome);
    p.drawPath(glyphs);
    // An underline swash.
    p.setPen(QPen(QColor(220, 225, 235), std::max(1.0, H / 30.0), Qt::SolidLine, Qt::RoundCap));
    QPainterPath swash;
    swash.moveTo(W * 0.12, H * 0.86);
    swash.cubicTo(W * 0.4, H * 0.74, W * 0.6, H * 0.98, W * 0.9, H * 0.8);
    p.setBrush(Qt::NoBrush);
    p.drawPath(swash);
    return img;
}

QImage clipArt(const QString& text, const QString& key, Size size)
{
    const int W = size.w(240), H = size.w(170);
    QImage img = canvas(W, H);
    QPainter p(&img);
    begin(p);
    const Scheme s = schemeFor(key);
    p.fillRect(img.rect(), QColor(252, 250, 244));
    // A sunburst behind a cartoon car.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
        p.setBrush(i % 2 ? s.light : QColor(252, 250, 244));
        QPainterPath ray;
        const QPointF c(W * 0.5, H * 0.55);
        ray.moveTo(c);
        ray.arcTo(QRectF(c.x() - W, c.y() - W, 2 * W, 2 * W), i * 22.5, 22.5);
        ray.closeSubpath();
        p.drawPath(ray);
    }
    if (isBoat(text))
        drawBoat(p, QRectF(W * 0.08, H * 0.30, W * 0.84, H * 0.50), s.accent);
    else
        drawCar(p, QRectF(W * 0.08, H * 0.30, W * 0.84, H * 0.50), s.accent, styleFor(text));
    p.setFont(fitted(kSans, text, W * 0.9, H * 0.2, true));
    p.setPen(s.dark);
    p.drawText(QRectF(0, H * 0.78, W, H * 0.2), Qt::AlignCenter, text);
    p.setPen(QPen(s.dark, std::max(1.0, W / 80.0)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2, 2, W - 4, H - 4), W / 20.0, W / 20.0);
    return img;
}

QImage advertisement(const QString& label, bool landscape, const QString& key, Size size)
{
    const int W = size.w(landscape ? 1400 : 1000), H = size.w(landscape ? 1000 : 1400);
    QImage img = canvas(W, H);
    QPainter p(&img);
    begin(p);
    const Scheme s = schemeFor(key);
    QLinearGradient bg(0, 0, W * 0.3, H);
    bg.setColorAt(0, s.light);
    bg.setColorAt(1, s.dark);
    p.fillRect(img.rect(), bg);

    const QString name = label.trimmed();
    bool isYear = false;
    name.toInt(&isYear);
    const QString headline = isYear ? QStringLiteral("The %1 Zephane").arg(name) : name;
    const double m = std::min(W, H) * 0.06;
    p.setFont(fitted(kSerif, headline, W - 2 * m, H * 0.08, true));
    shadowText(p, QRectF(m, m, W - 2 * m, H * 0.12), Qt::AlignCenter, headline, Qt::white, 3);
    p.setFont(font(kSerif, H * 0.03, false));
    shadowText(p, QRectF(m, m + H * 0.12, W - 2 * m, H * 0.06), Qt::AlignCenter,
               isBoat(label) ? QStringLiteral("Built for the water") : QStringLiteral("America's sports car"),
               QColor(255, 245, 220), 2);

    const QRectF stage(m, H * 0.30, W - 2 * m, H * 0.40);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 50));
    p.drawRoundedRect(stage, m / 2, m / 2);
    const QRectF subject = stage.adjusted(m / 2, stage.height() * 0.12, -m / 2, -stage.height() * 0.05);
    if (isBoat(label))
        drawBoat(p, subject, s.accent);
    else
        drawCar(p, subject, s.accent, styleFor(label));

    p.setFont(font(kSerif, H * 0.022, false));
    p.setPen(Qt::white);
    const QString copy = QStringLiteral(
        "Some cars are built to get you there. This one is built for the going. Low, quick and unmistakable, "
        "the %1 turns an errand into an occasion and a country road into a reason. "
        "See it at your dealer this week, and take the long way home.").arg(headline.mid(isYear ? 4 : 0));
    p.drawText(QRectF(m * 1.5, H * 0.74, W - 3 * m, H * 0.16), Qt::AlignJustify | Qt::TextWordWrap, copy);
    p.setFont(font(kSans, H * 0.018, true));
    p.drawText(QRectF(m, H - m * 1.2, W - 2 * m, m), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("DUNMARRO MOTOR DIVISION"));
    return img;
}

QImage seriesPicture(int index, const QString& title, Size size)
{
    const int W = size.w(2400), H = size.w(1500);
    QImage img = canvas(W, H);
    QPainter p(&img);
    begin(p);
    const Scheme s = schemeFor(QStringLiteral("series %1").arg(index));
    // A painted look: warm sky bands, distant hills, the road and the car, a cream border.
    QLinearGradient sky(0, 0, 0, H * 0.6);
    sky.setColorAt(0, s.dark);
    sky.setColorAt(0.6, s.light);
    sky.setColorAt(1, QColor(255, 226, 170));
    p.fillRect(img.rect(), sky);
    p.setPen(Qt::NoPen);
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath hills;
        const double base = H * (0.50 + 0.05 * layer);
        hills.moveTo(0, H);
        hills.lineTo(0, base);
        for (int k = 0; k <= 12; ++k) {
            const double x = W * k / 12.0;
            const double y = base - H * 0.06 * std::sin(k * 1.3 + index + layer * 2.1);
            hills.lineTo(x, y);
        }
        hills.lineTo(W, H);
        hills.closeSubpath();
        p.setBrush(s.dark.darker(110 + 40 * layer));
        p.drawPath(hills);
    }
    QLinearGradient road(0, H * 0.66, 0, H);
    road.setColorAt(0, QColor(90, 88, 92));
    road.setColorAt(1, QColor(35, 34, 38));
    p.fillRect(QRectF(0, H * 0.66, W, H * 0.34), road);
    drawCar(p, QRectF(W * 0.18, H * 0.38, W * 0.64, H * 0.42), s.accent,
            index <= 9 ? 0 : (index <= 17 ? 1 : 2));

    p.setPen(QPen(QColor(245, 238, 220), H / 40.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(H / 80.0, H / 80.0, W - H / 40.0, H - H / 40.0));
    QString shown = title;
    shown.replace(QLatin1String("&&"), QLatin1String("&"));
    p.setFont(fitted(kSerif, shown, W * 0.8, H * 0.08, true));
    shadowText(p, QRectF(0, H * 0.05, W, H * 0.12), Qt::AlignCenter, shown, Qt::white, 4);
    p.setFont(font(kSerif, H * 0.035, false));
    shadowText(p, QRectF(W * 0.05, H * 0.88, W * 0.9, H * 0.07), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("R. Ferrec Ostrand"), QColor(250, 240, 215), 2);
    return img;
}

QImage titlePicture(const QString& title, const QString& subtitle, const QString& key, Size size)
{
    const int W = size.w(800), H = size.w(600);
    QImage img = canvas(W, H);
    QPainter p(&img);
    begin(p);
    const Scheme s = schemeFor(key);
    QRadialGradient bg(QPointF(W / 2.0, H / 2.0), W * 0.7);
    bg.setColorAt(0, s.light);
    bg.setColorAt(1, s.dark.darker(150));
    p.fillRect(img.rect(), bg);
    // An embossed chequer for texture.
    const int cell = std::max(4, W / 20);
    for (int y = 0; y < H; y += cell)
        for (int x = 0; x < W; x += cell)
            if (((x / cell) + (y / cell)) % 2)
                p.fillRect(QRect(x, y, cell, cell), QColor(255, 255, 255, 18));
    p.setFont(fitted(kSerif, title, W * 0.85, H * 0.16, true));
    shadowText(p, QRectF(0, H * 0.30, W, H * 0.22), Qt::AlignCenter, title, Qt::white, 3);
    p.setFont(fitted(kSans, subtitle, W * 0.8, H * 0.05, false));
    shadowText(p, QRectF(0, H * 0.52, W, H * 0.1), Qt::AlignCenter, subtitle, QColor(250, 245, 230), 2);
    return img;
}

QImage logoPicture(const QString& text, Size size)
{
    const int W = size.w(600), H = size.w(200);
    QImage img = canvas(W, H);
    QPainter p(&img);
    begin(p);
    p.fillRect(img.rect(), Qt::white);
    const Scheme s = schemeFor(text);
    p.setFont(fitted(kSerif, text, W * 0.92, H * 0.4, true));
    p.setPen(s.dark);
    p.drawText(QRectF(0, 0, W, H * 0.75), Qt::AlignCenter, text);
    p.setPen(QPen(s.accent, std::max(1.0, H / 40.0)));
    p.drawLine(QPointF(W * 0.1, H * 0.78), QPointF(W * 0.9, H * 0.78));
    return img;
}

QImage movieFrame(const QString& caption, int frame, int frames, int W, int H)
{
    QImage img = canvas(W, H);
    QPainter p(&img);
    begin(p);
    const Scheme s = schemeFor(caption);
    const double u = frames > 1 ? double(frame) / (frames - 1) : 0.0;
    QLinearGradient sky(0, 0, 0, H * 0.65);
    sky.setColorAt(0, s.dark);
    sky.setColorAt(1, s.light);
    p.fillRect(QRectF(0, 0, W, H * 0.65), sky);
    p.fillRect(QRectF(0, H * 0.65, W, H * 0.35), QColor(50, 50, 56));
    // Lane marks scroll to show speed.
    p.setPen(QPen(QColor(240, 210, 80), std::max(1, H / 60)));
    const double dash = W / 6.0;
    for (double x = -dash + std::fmod(u * 6 * dash, dash); x < W; x += dash)
        p.drawLine(QPointF(x, H * 0.85), QPointF(x + dash / 2, H * 0.85));
    const double carW = W * 0.55;
    drawCar(p, QRectF(-carW + u * (W + carW), H * 0.42, carW, H * 0.34), s.accent, frame / 12 % 4);
    p.setFont(fitted(kSans, caption, W * 0.9, H * 0.09, true));
    shadowText(p, QRectF(0, H * 0.04, W, H * 0.14), Qt::AlignCenter, caption, Qt::white, 1.5);
    p.fillRect(QRectF(0, H - 4, W * u, 4), s.accent);
    return img;
}

QByteArray jpeg(const QImage& image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.setOptimizedWrite(true);
    writer.write(image);
    return bytes;
}

}  // namespace pictures
