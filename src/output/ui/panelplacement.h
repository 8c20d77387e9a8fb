#pragma once

class IMainFrame;
class QWidget;

// Puts a panel at the given top, centred over the span from the year strip's left edge to cmdExit's right
// edge, kept inside the client area, and brings it to the front.
void placeOverYearStrip(QWidget& panel, IMainFrame& frame, int top);
