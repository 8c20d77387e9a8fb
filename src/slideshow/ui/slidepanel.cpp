#include "slideshow/ui/slidepanel.h"

#include <QMouseEvent>

SlidePanel::SlidePanel(const QString& objectName, const QString& caption, const QString& role,
                       QWidget* parent)
    : QLabel(caption, parent)
{
    setObjectName(objectName);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
    setAccessibleDescription(role);
}

void SlidePanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mousePressEvent(event);
}
