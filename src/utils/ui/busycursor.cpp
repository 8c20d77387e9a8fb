#include "utils/ui/busycursor.h"

#include <QCursor>
#include <QGuiApplication>

BusyCursorGuard::BusyCursorGuard()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursorGuard::~BusyCursorGuard()
{
    QGuiApplication::restoreOverrideCursor();
}
