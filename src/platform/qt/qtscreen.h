#pragma once

#include "platform/screen.h"

// The primary screen's size in pixels, times 15.
class QtScreen final : public IScreen {
public:
    long long widthTwips() const override;
    long long heightTwips() const override;
};
