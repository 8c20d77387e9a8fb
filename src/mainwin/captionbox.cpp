#include "mainwin/captionbox.h"

namespace captionbox {
namespace {

constexpr QSize kTopTenBox(226, 284);

struct TopTenPlace {
    const char* number;
    int left, top;
};
const TopTenPlace kTopTenPlaces[] = {{"1", 332, 98}, {"2", 332, 98}, {"3", 350, 98}, {"9", 350, 98},
                                     {"4", 10, 85},  {"5", 15, 96},  {"6", 390, 88}, {"7", 15, 94},
                                     {"8", 350, 88}, {"10", 15, 88}};

} // namespace

QRect besideAdButton(QSize box, QRect adButton, QRect photo)
{
    return QRect(adButton.x() + adButton.width() - box.width() - 10, photo.y() + 8, box.width(),
                 box.height());
}

std::optional<QRect> topTenBox(const QString& photoNumber)
{
    for (const TopTenPlace& p : kTopTenPlaces)
        if (photoNumber == QLatin1String(p.number))
            return QRect(QPoint(p.left, p.top), kTopTenBox);
    return std::nullopt;
}

} // namespace captionbox
