#include "slideshow/emblemlayout.h"

#include <cmath>

namespace emblemlayout {
namespace {

int twips(double v)
{
    return int(std::lround(v));
}

} // namespace

Placement place(const Frame& f, const Sizes& s)
{
    const double w = f.windowWidth;
    Placement p;
    p.label = QPoint(f.coStar.left(), f.coStar.top() - s.labelHeight - 100);
    p.rear = QPoint(twips((w * 0.5 - s.rear.width()) * 0.5), 60);
    p.nose = QPoint(twips(w / 2 + (w * 0.5 - s.nose.width()) * 0.5), 60);
    if (f.scriptAboveBar)
        p.script = QPoint(twips((w - s.script.width()) / 2), f.barTop - s.script.height() - 300);
    else
        p.script = QPoint(twips((w - s.script.width()) * 0.5 - 100), p.label.y() - s.script.height() - 300);
    p.side = QPoint(twips((w - s.side.width()) * 0.5), p.script.y() - s.side.height() - 60);
    return p;
}

} // namespace emblemlayout
