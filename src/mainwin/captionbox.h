#pragma once

#include <optional>

#include <QRect>
#include <QSize>
#include <QString>

// Where the main window puts rtbDetails when it shows a caption text or the statistics of a photo. Pure
// arithmetic in main-window pixels; the window applies it.
namespace captionbox {

// Beside cmdAd: the box's right edge 10 pixels left of cmdAd's right edge, its top 8 pixels below the
// photo's top.
QRect besideAdButton(QSize box, QRect adButton, QRect photo);

// The Top Ten's portraits each keep their caption beside the face: the box for a photo number, or nothing
// for a number without a place (the box stays where it is).
std::optional<QRect> topTenBox(const QString& photoNumber);

} // namespace captionbox
