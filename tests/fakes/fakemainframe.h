#pragma once

#include <vector>

#include <QWidget>

#include "mainwin/ui/mainframe.h"

// A stand-in main window for the modules laid over it: a plain widget as the parent, geometry the test sets,
// and a record of the enable and focus requests.
class FakeMainFrame final : public IMainFrame {
public:
    FakeMainFrame() { widget.setGeometry(40, 30, 800, 560); }

    QWidget* panelParent() override { return &widget; }
    QRect yearStripSpan() const override { return span; }
    QRect photoRect() const override { return photo; }
    QRect clientRect() const override { return widget.rect(); }
    void setMainWindowEnabled(bool on) override
    {
        enables.push_back(on);
        enabled = on;
    }
    void focusNextYearButton() override { ++focusRequests; }

    QWidget widget;
    QRect span{10, 0, 700, 560};
    QRect photo{200, 40, 400, 300};
    bool enabled = true;
    std::vector<bool> enables;
    int focusRequests = 0;
};
