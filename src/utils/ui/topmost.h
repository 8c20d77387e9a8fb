#pragma once

class QWidget;

// The flag values of SetTopmost.
constexpr int kTopmostOn = -1;
constexpr int kTopmostOff = 0;

// Changes a window's place in the stacking order only (never its position or size, never activating it):
// -1 keeps it above all ordinary windows, 0 releases it, any other value raises it among ordinary windows.
void SetTopmost(QWidget* window, int flag);
