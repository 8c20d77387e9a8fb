#pragma once

#include "platform/screen.h"

// A screen of a size the test sets, in pixels; counts how often each side was read.
class FakeScreen final : public IScreen {
public:
    FakeScreen(int w = 800, int h = 600) : width(w), height(h) {}
    long long widthTwips() const override
    {
        ++widthReads;
        return 15LL * width;
    }
    long long heightTwips() const override
    {
        ++heightReads;
        return 15LL * height;
    }
    int width;
    int height;
    mutable int widthReads = 0;
    mutable int heightReads = 0;
};
