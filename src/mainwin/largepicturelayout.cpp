#include "mainwin/largepicturelayout.h"

#include <cmath>

#include <QStringList>

#include "catalog/mediarules.h"

namespace largepicture {
namespace {

bool fits16(long long v)
{
    return v >= kScrollMin && v <= kScrollMax;
}

// One bar: the maximum, whether it is enabled and its page step, each step on its own.
void fillBar(ScrollBar& bar, int pictureLength, int viewportLength)
{
    const long long maximum = static_cast<long long>(pictureLength) - viewportLength;
    if (fits16(maximum))
        bar.maximum = static_cast<int>(maximum);
    if (viewportLength >= pictureLength) {
        bar.enabled = false;
        return;
    }
    bar.enabled = true;
    if (viewportLength <= 0)
        return; // the ratio below would divide by zero: the step is skipped
    const int ratio = pictureLength / viewportLength;
    if (ratio == 0)
        return;
    const int page = (bar.maximum / ratio) / 6;
    if (page != 0 && fits16(page))
        bar.largeChange = page;
}

} // namespace

QRect fittedClientGeometry(QRect available, QMargins frame)
{
    const QRect inner = available.marginsRemoved(frame);
    return QRect(inner.topLeft(), QSize(std::max(1, inner.width()), std::max(1, inner.height())));
}

Layout layout(QSize client, QSize picture, QSize barThickness, const Layout& previous)
{
    Layout out = previous;
    const int w = client.width();
    const int h = client.height();
    out.viewport = QRect(0, 0, std::max(0, w - barThickness.width()), std::max(0, h - barThickness.height()));
    const int pw = out.viewport.width();
    const int ph = out.viewport.height();

    out.horizontal.geometry = QRect(0, ph, pw, barThickness.height());
    fillBar(out.horizontal, picture.width(), pw);

    out.vertical.geometry = QRect(pw, 0, barThickness.width(), ph);
    fillBar(out.vertical, picture.height(), ph);

    out.corner = QRect(out.horizontal.geometry.width(), out.vertical.geometry.height(),
                       out.vertical.geometry.width(), out.horizontal.geometry.height());
    return out;
}

std::optional<QRect> zoomOut(const QString& caption, const QString& entryLabel, QSize screen, QRect image)
{
    if (caption == kSeriesCaption)
        return std::nullopt;
    if (entryLabel == QLatin1String("Stroudley Cars ") ||
        entryLabel == QLatin1String("Kavell Automotive Concepts "))
        return std::nullopt;
    const int width = mediarules::hasLandscapeAdvertisement(entryLabel)
                          ? screen.width()
                          : static_cast<int>(std::lround(0.77 * image.height()));
    return QRect((screen.width() - width) / 2, image.top(), width, screen.height());
}

} // namespace largepicture
