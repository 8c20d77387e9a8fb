#include "slideshow/ui/slidepicture.h"

#include <QMouseEvent>
#include <QPainter>

SlidePicture::SlidePicture(const QString& objectName, const QString& accessibleName, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(objectName);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setToolTip(QStringLiteral("Click the Right mouse button to copy"));
    setAccessibleName(accessibleName);
    setAccessibleDescription(QStringLiteral("Picture; right-click to copy it"));
}

void SlidePicture::setPicture(const QImage& image, const QString& file)
{
    m_image = image;
    m_file = file;
    update();
}

void SlidePicture::clear()
{
    m_image = QImage();
    m_file.clear();
    update();
}

QImage SlidePicture::fullImage() const
{
    if (!m_file.isEmpty()) {
        QImage full(m_file);
        if (!full.isNull())
            return full;
    }
    return m_image;
}

void SlidePicture::paintEvent(QPaintEvent*)
{
    if (m_image.isNull())
        return;
    QPainter p(this);
    if (m_stretch && m_image.size() != size()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), m_image);
    } else {
        p.drawImage(0, 0, m_image);
    }
}

void SlidePicture::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        emit rightClicked();
    else if (event->button() == Qt::LeftButton)
        emit leftClicked();
}
