#pragma once

// The screen's size as the layouts read it: in twips, 15 per pixel.
class IScreen {
public:
    virtual ~IScreen() = default;
    virtual long long widthTwips() const = 0;
    virtual long long heightTwips() const = 0;
};
