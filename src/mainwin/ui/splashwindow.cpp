#include "mainwin/ui/splashwindow.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace {

QPixmap splashPicture(QSize size)
{
    QPixmap pm(size);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(12, 22, 60));
    g.setColorAt(0.65, QColor(40, 70, 140));
    g.setColorAt(1, QColor(190, 30, 30));
    p.fillRect(pm.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(235, 235, 245));
    QFont title(QStringLiteral("Serif"), 26, QFont::Bold, true);
    p.setFont(title);
    p.drawText(QRect(0, 40, size.width(), 60), Qt::AlignCenter, QStringLiteral("The Zephane Folarium"));
    QFont year(QStringLiteral("Sans"), 40, QFont::Black);
    p.setFont(year);
    p.setPen(QColor(250, 210, 60));
    p.drawText(QRect(0, 100, size.width(), 80), Qt::AlignCenter, QStringLiteral("2000"));
    p.setPen(QPen(QColor(235, 235, 245, 160), 2));
    p.drawLine(60, 190, size.width() - 60, 190);
    return pm;
}

} // namespace

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form2"));
    setFixedSize(480, 300);
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_picture->setGeometry(0, 0, 480, 264);
    m_picture->setPixmap(splashPicture(QSize(480, 264)));
    m_panel = new QLabel(QStringLiteral("Loading the Zephane Folarium ..."), this);
    m_panel->setObjectName(QStringLiteral("Panel3D1"));
    m_panel->setGeometry(0, 264, 480, 36);
    m_panel->setAlignment(Qt::AlignCenter);
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SplashWindow::timerFired);
}
