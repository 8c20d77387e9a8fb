// zephane-icon OUTDIR SIZE...: paints the program's icon, a round Zephane badge on a road at dusk, as
// OUTDIR/SIZE/org.zephane.Folarium.png for each size. Small sizes drop the fine detail.
#include <cstdio>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

QImage paintIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;

    // The tile: a rounded square with the dusk sky of the demo photos.
    const QRectF tile(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
    QLinearGradient sky(tile.topLeft(), tile.bottomLeft());
    sky.setColorAt(0.0, QColor(110, 16, 52));
    sky.setColorAt(0.62, QColor(226, 110, 180));
    sky.setColorAt(0.62, QColor(52, 54, 60));
    sky.setColorAt(1.0, QColor(30, 31, 36));
    QPainterPath rounded;
    rounded.addRoundedRect(tile, s * 0.18, s * 0.18);
    p.fillPath(rounded, sky);
    if (size >= 32) {
        p.setClipPath(rounded);
        QPen lane(QColor(240, 200, 60), qMax(1.0, s * 0.025));
        lane.setDashPattern({3, 2});
        p.setPen(lane);
        p.drawLine(QPointF(tile.left(), s * 0.86), QPointF(tile.right(), s * 0.86));
        p.setClipping(false);
    }

    // The badge: a maroon disc with a white ring and a bold "Z".
    const QPointF centre(s * 0.5, s * 0.47);
    const qreal r = s * 0.3;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(centre + QPointF(0, s * 0.03), r, r);
    p.setBrush(QColor(112, 14, 48));
    p.setPen(QPen(Qt::white, qMax(1.0, s * 0.04)));
    p.drawEllipse(centre, r, r);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(int(r * 1.35));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), Qt::AlignCenter, QStringLiteral("Z"));
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: zephane-icon OUTDIR SIZE...\n");
        return 2;
    }
    for (const QString& sizeText : args.mid(1)) {
        bool ok = false;
        const int size = sizeText.toInt(&ok);
        if (!ok || size < 8 || size > 1024) {
            std::fprintf(stderr, "zephane-icon: bad size %s\n", qPrintable(sizeText));
            return 2;
        }
        const QString dir = args[0] + QLatin1Char('/') + sizeText;
        if (!QDir().mkpath(dir) || !paintIcon(size).save(dir + QStringLiteral("/org.zephane.Folarium.png"))) {
            std::fprintf(stderr, "zephane-icon: cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
