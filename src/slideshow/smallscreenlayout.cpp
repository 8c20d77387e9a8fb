#include "slideshow/smallscreenlayout.h"

#include <cmath>

#include "slideshow/slideview.h"

namespace {

using C = SlideControl;

void setTop(ISlideView& v, C c, int top)
{
    v.move(c, v.rect(c).left(), top);
}

void setLeft(ISlideView& v, C c, int left)
{
    v.move(c, left, v.rect(c).top());
}

void setWidth(ISlideView& v, C c, int width)
{
    v.resize(c, width, v.rect(c).height());
}

int rightOf(ISlideView& v, C c)
{
    return v.rect(c).left() + v.rect(c).width();
}

} // namespace

void applySmallScreenLayout(ISlideView& v)
{
    const QRect image = v.rect(C::Image1);
    v.resize(C::Image1, int(std::lround(image.width() * 0.8)), int(std::lround(image.height() * 0.8)));
    setTop(v, C::PanYear, 5900);
    setTop(v, C::ControlBar, 6140);
    for (C c : {C::OptionPhotos, C::OptionClipArt, C::OptionEmblems})
        setTop(v, c, 5900);
    setTop(v, C::PanInterval, 6200);
    for (C c : {C::Picture2, C::Picture3, C::Picture4})
        setTop(v, c, 5260);
    setTop(v, C::SpinInterval, 6200);
    setTop(v, C::Beginning, 5900);
    setTop(v, C::Middle, 5900);
    for (C c : {C::CoStar, C::StatusDate, C::StatusTime, C::StatusDay, C::CmdExit})
        setTop(v, c, 6500);
    setWidth(v, C::CoStar, 3500);
    for (C c : {C::StatusDate, C::StatusDay, C::StatusTime})
        setWidth(v, c, 1500);
    setWidth(v, C::CmdExit, 1400);
    setLeft(v, C::StatusDate, rightOf(v, C::CoStar));
    setLeft(v, C::StatusDay, rightOf(v, C::StatusDate));
    setLeft(v, C::StatusTime, rightOf(v, C::StatusDay));
    setLeft(v, C::CmdExit, rightOf(v, C::StatusTime));
    setWidth(v, C::ControlBar, 2736);
    setWidth(v, C::PanInterval, 774);
    setWidth(v, C::Picture2, 1449);
    setWidth(v, C::Picture3, 1809);
    setWidth(v, C::Picture4, 2673);
    setWidth(v, C::SpinInterval, 585);
    setWidth(v, C::Beginning, 1377);
    setWidth(v, C::Middle, 1377);
    setLeft(v, C::Beginning, v.rect(C::Beginning).left() - 400);
    setLeft(v, C::ControlBar, v.rect(C::Beginning).left());
    setLeft(v, C::Middle, rightOf(v, C::Beginning));
    setLeft(v, C::OptionPhotos, 6240);
    setLeft(v, C::OptionClipArt, 8520);
    setLeft(v, C::OptionEmblems, 7320);
    setLeft(v, C::PanInterval, 8020);
    setLeft(v, C::SpinInterval, 8856);
    v.move(C::PhotoNumber, v.rect(C::PanYear).left(), v.rect(C::PanYear).top() - 220);
}
