#pragma once

#include <QWidget>

#include "mainwin/ui/mainframe.h"

// A stand-in main window: a plain widget as the parent, and a record of what was asked of it.
class FakeSlideMainFrame final : public IMainFrame {
public:
    FakeSlideMainFrame() { widget.setGeometry(40, 30, 800, 600); }
    QWidget* panelParent() override { return &widget; }
    QRect yearStripSpan() const override { return {0, 0, 800, 600}; }
    QRect photoRect() const override { return {100, 100, 400, 300}; }
    QRect clientRect() const override { return {0, 0, 800, 600}; }
    void setMainWindowEnabled(bool enabled) override { this->enabled = enabled; }
    void focusNextYearButton() override { ++focusNextCount; }

    QWidget widget;
    bool enabled = true;
    int focusNextCount = 0;
};
