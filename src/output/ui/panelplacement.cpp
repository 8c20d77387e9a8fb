#include "output/ui/panelplacement.h"

#include <algorithm>

#include <QWidget>

#include "shared/ui/mainframe.h"

void placeOverYearStrip(QWidget& panel, IMainFrame& frame, int top)
{
    const QRect span = frame.yearStripSpan();
    const QRect client = frame.clientRect();
    int left = span.left() + (span.width() - panel.width()) / 2;
    if (client.isValid()) {
        left = std::clamp(left, client.left(), std::max(client.left(), client.right() - panel.width()));
        top = std::clamp(top, client.top(), std::max(client.top(), client.bottom() - panel.height()));
    }
    panel.move(left, top);
    panel.raise();
}
