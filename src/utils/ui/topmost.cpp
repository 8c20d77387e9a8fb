#include "utils/ui/topmost.h"

#include <QWidget>

void SetTopmost(QWidget* window, int flag)
{
    if (!window)
        return;
    if (flag != kTopmostOn && flag != kTopmostOff) {
        window->raise();
        return;
    }
    const bool on = flag == kTopmostOn;
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on)
        return; // nothing to change, and changing flags would re-create the window
    const bool wasVisible = window->isVisible();
    const QRect geometry = window->geometry();
    const bool noActivate = window->testAttribute(Qt::WA_ShowWithoutActivating);
    window->setWindowFlag(Qt::WindowStaysOnTopHint, on); // hides the window
    window->setGeometry(geometry);
    if (wasVisible) {
        window->setAttribute(Qt::WA_ShowWithoutActivating, true);
        window->show();
        window->setAttribute(Qt::WA_ShowWithoutActivating, noActivate);
    }
}
