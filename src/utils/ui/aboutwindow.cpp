#include "utils/ui/aboutwindow.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "utils/publisher.h"

namespace {
// Image1: the marque's round badge, drawn rather than read, so the window needs no media.
QPixmap badge(int side)
{
    QPixmap p(side, side);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(150, 120, 30), 3));
    g.setBrush(QColor(20, 30, 90));
    g.drawEllipse(QRectF(2, 2, side - 4, side - 4));
    QFont f = g.font();
    f.setBold(true);
    f.setPixelSize(side / 2);
    g.setFont(f);
    g.setPen(QColor(230, 200, 90));
    g.drawText(QRect(0, 0, side, side), Qt::AlignCenter, QStringLiteral("Z"));
    return p;
}
} // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString());
    setFixedSize(420, 300);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("#frmAbout { border: 2px outset gray; }"));

    panel(QStringLiteral("SSPanel5"), QStringLiteral("The"), QRect(12, 12, 60, 40), 14);
    panel(QStringLiteral("SSPanel1"), QStringLiteral("Zephane Folarium  "), QRect(76, 12, 260, 40), 18);
    panel(QStringLiteral("SSPanel4"), QStringLiteral("2000"), QRect(340, 12, 68, 40), 14);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(badge(96));
    image->setGeometry(12, 64, 96, 96);
    image->setAccessibleName(QStringLiteral("Zephane badge"));

    QLabel* vornic =
        panel(QStringLiteral("panVornic"), publisher::nameAndAddress(), QRect(120, 64, 288, 96), 0);
    vornic->setAccessibleDescription(QStringLiteral("Publisher"));
    QLabel* rights = panel(QStringLiteral("SSPanel2"), publisher::rightsNotice(), QRect(12, 172, 396, 72), 0);
    rights->setWordWrap(true);
    rights->setAccessibleDescription(QStringLiteral("Rights notice"));

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("SSCommand1"));
    m_ok->setGeometry(160, 256, 100, 30);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

QLabel* AboutWindow::panel(const QString& name, const QString& text, const QRect& geometry, int pointSize)
{
    auto* l = new QLabel(text, this);
    l->setObjectName(name);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(geometry);
    if (pointSize > 0) {
        QFont f = l->font();
        f.setPointSize(pointSize);
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}
