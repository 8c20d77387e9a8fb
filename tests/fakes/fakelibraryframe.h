#pragma once

#include <vector>

#include <QWidget>

#include "mainwin/ui/mainframe.h"

// A main frame for the library and utilities modules: a plain widget as parent, fixed geometry, and a
// record of the enable and focus requests.
class FakeLibraryFrame final : public IMainFrame {
public:
    FakeLibraryFrame() { parent.resize(800, 560); }

    QWidget* panelParent() override { return &parent; }
    QRect yearStripSpan() const override { return span; }
    QRect photoRect() const override { return photo; }
    QRect clientRect() const override { return parent.rect(); }
    void setMainWindowEnabled(bool enabled) override
    {
        enables.push_back(enabled);
        mainEnabled = enabled;
    }
    void focusNextYearButton() override { ++focusRequests; }

    QWidget parent;
    QRect span{10, 0, 700, 560};
    QRect photo{200, 40, 400, 300};
    bool mainEnabled = true;
    std::vector<bool> enables;
    int focusRequests = 0;
};
