#pragma once

#include <vector>

#include <QWidget>

#include "shared/ui/mainframe.h"

// A stand-in main window for the modules laid over it: a plain widget as the parent, geometry the test sets,
// and a record of the enable and focus requests.
class FakeMainFrame final : public IMainFrame {
public:
    FakeMainFrame() { widget.setGeometry(40, 30, 800, 560); }
    // A client area of the given size with the year strip along its left and the photo in the middle.
    FakeMainFrame(int width, int height)
        : span(0, 0, width - 40, height), photo(width / 4, height / 5, width / 2, height / 2)
    {
        widget.setGeometry(0, 0, width, height);
    }

    QWidget* panelParent() override { return &widget; }
    QRect yearStripSpan() const override { return span; }
    QRect photoRect() const override { return photo; }
    QRect clientRect() const override { return widget.rect(); }
    QRect descriptionButtonRect() const override { return desc; }
    void setMainWindowEnabled(bool on) override
    {
        enables.push_back(on);
        enabled = on;
    }
    void focusNextYearButton() override { ++focusRequests; }

    QWidget widget;
    QRect span{10, 0, 700, 560};
    QRect photo{200, 40, 400, 300};
    QRect desc{10, 8, 81, 18};
    bool enabled = true;
    std::vector<bool> enables;
    int focusRequests = 0;
};
