#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the four pictures and the label of an emblem slide go, from the sizes the pictures took when loaded.
// Twips of the window.
namespace emblemlayout {

struct Sizes {
    QSize rear, side, nose, script;
    int labelHeight = 0;
};

struct Placement {
    QPoint rear, side, nose, script, label;
};

// windowWidth: W. coStar: the title panel the label sits on. scriptBase: the Top the script sits above;
// an emblem slide built by the ticks and steps uses the label's Top, Beginning and Middle the control bar's.
struct Frame {
    int windowWidth = 0;
    QRect coStar;
    bool scriptAboveBar = false;
    int barTop = 0;
};

Placement place(const Frame& frame, const Sizes& sizes);

} // namespace emblemlayout
