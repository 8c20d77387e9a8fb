#include "platform/qt/qtscreen.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
QSize screenSize()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->size() : QSize();
}
} // namespace

long long QtScreen::widthTwips() const
{
    return 15LL * screenSize().width();
}
long long QtScreen::heightTwips() const
{
    return 15LL * screenSize().height();
}
