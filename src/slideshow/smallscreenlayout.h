#pragma once

class ISlideView;

// The slide-show window's layout for a 640 x 480 screen: everything moves up and narrows, and the clock's
// date panel comes before the day panel.
void applySmallScreenLayout(ISlideView& view);
