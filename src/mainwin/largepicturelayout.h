#pragma once

#include <optional>

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>

// Geometry of the full-screen picture viewer: where the viewport, the two scroll bars and the corner button
// go for a window size and a picture, and what zooming out does. Pure arithmetic; the window applies it.
namespace largepicture {

// Scroll-bar values are 16-bit signed: a step whose value does not fit is skipped, as is a page step of 0.
constexpr int kScrollMin = -32768;
constexpr int kScrollMax = 32767;

struct ScrollBar {
    QRect geometry;
    int maximum = 0; // kept from before when the new value did not fit
    bool enabled = false;
    int largeChange = 1; // kept from before when the new value did not fit or was 0
};

struct Layout {
    QRect viewport;       // picParent
    ScrollBar horizontal; // HScroll1, below the viewport
    ScrollBar vertical;   // VScroll1, right of the viewport
    QRect corner;         // SSCommand1, between the two bars
};

// The window's client rectangle such that the whole window, the window manager's frame included, lies in
// the screen's available area. frame: the frame's width on each side (none before the window is shown or
// without a window manager).
QRect fittedClientGeometry(QRect available, QMargins frame);

// client: the window's client size; picture: picChild's size; barThickness: the width of the vertical bar
// and height of the horizontal bar; previous: the bars' current settings (kept where a step is skipped).
Layout layout(QSize client, QSize picture, QSize barThickness, const Layout& previous);

// The caption every illustration of the series is shown under; the viewer never zooms those out.
inline const QString kSeriesCaption =
    QStringLiteral("The Zephane Folarium    Ferrec Ostrand: The Illustrated Zephane Series");

// Where the fitted picture goes when zooming out, or nothing when this picture must not be zoomed out.
// image: Image1's geometry before the zoom; screen: the screen size in pixels.
std::optional<QRect> zoomOut(const QString& caption, const QString& entryLabel, QSize screen, QRect image);

} // namespace largepicture
