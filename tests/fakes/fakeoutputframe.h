#pragma once

#include <memory>

#include <QWidget>

#include "mainwin/ui/mainframe.h"

// A stand-in main window for the output panels: an 800 x 600 client area with the year strip along its
// left and the photo in the middle; records enable requests and focus moves.
class FakeOutputFrame final : public IMainFrame {
public:
    FakeOutputFrame() : m_client(std::make_unique<QWidget>()) { m_client->resize(800, 600); }

    QWidget* panelParent() override { return m_client.get(); }
    QRect yearStripSpan() const override { return QRect(0, 0, 760, 600); }
    QRect photoRect() const override { return QRect(200, 120, 400, 300); }
    QRect clientRect() const override { return QRect(0, 0, 800, 600); }
    void setMainWindowEnabled(bool enabled) override
    {
        mainEnabled = enabled;
        ++enableCalls;
    }
    void focusNextYearButton() override { ++focusMoves; }

    bool mainEnabled = true;
    int enableCalls = 0;
    int focusMoves = 0;

private:
    std::unique_ptr<QWidget> m_client;
};
