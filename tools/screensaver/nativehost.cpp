#include "nativehost.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

namespace nativehost {

quint64 rootWindow()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return 0;
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    return screens.rem > 0 ? screens.data->root : 0;
}

bool embed(QWidget& widget, quint64 hostWindow)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || hostWindow == 0)
        return false;
    // Ask the server directly: a window number that names no window is refused here, not by an X error later.
    const xcb_get_geometry_cookie_t cookie = xcb_get_geometry(connection, xcb_drawable_t(hostWindow));
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(connection, cookie, nullptr);
    if (!geometry)
        return false;
    const QSize size(geometry->width, geometry->height);
    free(geometry);

    QWindow* host = QWindow::fromWinId(WId(hostWindow));
    if (!host)
        return false;
    widget.setAttribute(Qt::WA_NativeWindow);
    widget.winId();
    widget.windowHandle()->setParent(host);
    widget.setGeometry(QRect(QPoint(0, 0), size));
    widget.show();
    return true;
}

} // namespace nativehost
