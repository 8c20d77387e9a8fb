#include "saverwindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

SaverWindow::SaverWindow(bool quitOnInput, QWidget* parent) : QWidget(parent), m_quitOnInput(quitOnInput)
{
    setObjectName(QStringLiteral("frmSaver"));
    setWindowTitle(QStringLiteral("Zephane2000"));
    setAccessibleName(QStringLiteral("Zephane screen saver"));
    setAccessibleDescription(QStringLiteral("Photo show"));
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted: no background erase before it
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::BlankCursor);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
}

void SaverWindow::showPhoto(const QImage& photo)
{
    m_photo = photo;
    m_photo.setDevicePixelRatio(devicePixelRatioF()); // decoded in device pixels (see pictureSize)
    m_message.clear();
    update();
}

void SaverWindow::showMessage(const QString& text)
{
    m_photo = QImage();
    m_message = text;
    update();
}

QSize SaverWindow::pictureSize() const
{
    if (!size().isEmpty() && (isVisible() || testAttribute(Qt::WA_Resized)))
        return size() * devicePixelRatioF();
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->size() * s->devicePixelRatio() : QSize(1024, 768);
}

void SaverWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = rect();
    if (!m_photo.isNull()) {
        // The photo was decoded to fit; only a change of window size since then needs scaling here.
        QSize shown = m_photo.deviceIndependentSize().toSize();
        if (shown.width() > area.width() || shown.height() > area.height() ||
            (shown.width() < area.width() && shown.height() < area.height()))
            shown = shown.scaled(area.size(), Qt::KeepAspectRatio);
        const QRect target(QPoint((area.width() - shown.width()) / 2, (area.height() - shown.height()) / 2),
                           shown);
        const QRegion outside = QRegion(event->rect()).subtracted(target);
        for (const QRect& r : outside)
            painter.fillRect(r, Qt::black);
        if (target.size() == m_photo.deviceIndependentSize().toSize())
            painter.drawImage(target.topLeft(), m_photo);
        else
            painter.drawImage(target, m_photo);
        return;
    }
    painter.fillRect(event->rect(), Qt::black);
    if (m_message.isEmpty())
        return;
    QFont f = font();
    f.setPointSizeF(qBound(9.0, area.height() / 40.0, 22.0));
    painter.setFont(f);
    painter.setPen(QColor(170, 170, 170));
    const QRect box =
        area.adjusted(area.width() / 8, area.height() / 4, -area.width() / 8, -area.height() / 4);
    painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("The Zephane Folarium 2000\n\n") + m_message);
}

void SaverWindow::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    input();
}

void SaverWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    input();
}

void SaverWindow::wheelEvent(QWheelEvent* event)
{
    event->accept();
    input();
}

void SaverWindow::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->globalPosition().toPoint();
    if (!m_firstPointer) {
        m_firstPointer = at;
        return;
    }
    if ((at - *m_firstPointer).manhattanLength() > kMotionSlack)
        input();
}

void SaverWindow::input()
{
    if (m_quitOnInput)
        emit quitRequested();
}
