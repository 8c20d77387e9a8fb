#pragma once

#include <QtGlobal>

class QWidget;

// Puts the saver's window inside a window it did not create: XScreenSaver's window or the X root window.
namespace nativehost {

// The root window of the X display, 0 when the program does not run on X.
quint64 rootWindow();
// Makes the widget a child covering the host window; false when the host cannot be used.
bool embed(QWidget& widget, quint64 hostWindow);

} // namespace nativehost
