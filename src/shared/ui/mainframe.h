#pragma once

#include <QRect>

class QWidget;

// What the main window offers the other subsystems' windows: a parent, geometry as values, and the few
// effects they may ask of it. No widget of the main window is handed out.
class IMainFrame {
public:
    virtual ~IMainFrame() = default;
    // The parent of modal windows and of the panels laid over the main window's client area.
    virtual QWidget* panelParent() = 0;
    // The span the later panels centre over: from the year strip's left edge to the right edge of cmdExit,
    // full client height, in panelParent() coordinates.
    virtual QRect yearStripSpan() const = 0;
    // Image4's rectangle and the client area, in panelParent() coordinates.
    virtual QRect photoRect() const = 0;
    virtual QRect clientRect() const = 0;
    // Frame1, the year strip, in panelParent() coordinates (the emblems sit on its top edge).
    virtual QRect yearStripRect() const { return {}; }
    // cmdDesc, the first content button, in panelParent() coordinates (the copy panel hangs below it).
    virtual QRect descriptionButtonRect() const { return {}; }
    virtual void setMainWindowEnabled(bool enabled) = 0;
    virtual void focusNextYearButton() = 0;
};
