#include "output/ui/saverphotolistwindow.h"

#include <cmath>

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

SaverPhotoListWindow::SaverPhotoListWindow(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("frmSSPhoto"));
    setWindowTitle(QStringLiteral("The Zephane Folarium"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumWidth(300);

    auto* heading = new QLabel(QStringLiteral("Screen Saver Photo Selection"), this);
    heading->setObjectName(QStringLiteral("Text4"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setAlignment(Qt::AlignCenter);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setAccessibleName(QStringLiteral("Screen saver"));
    picture->setPixmap(style()->standardIcon(QStyle::SP_DesktopIcon).pixmap(32, 32));
    picture->setAlignment(Qt::AlignCenter);

    auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    m_add = button("SSCommand7", "Add this photo to list");
    m_remove = button("SSCommand8", "Remove this photo from list");
    m_removeAll = button("SSCommand2", "Remove all photos from the list");
    auto* clip = button("SSCommand3", "Copy this photo to Clipboard");
    auto* help = button("SSCommand1", "Help");
    auto* exit = button("SSCommand9", "Exit");
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("ProgressGuage"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_bar->setAccessibleName(QStringLiteral("Copy progress"));

    auto* box = new QVBoxLayout(this);
    box->addWidget(heading);
    box->addWidget(picture);
    for (QPushButton* b : {m_add, m_remove, m_removeAll, clip})
        box->addWidget(b);
    box->addWidget(m_bar);
    box->addWidget(help);
    box->addWidget(exit);

    connect(m_add, &QPushButton::clicked, this, &SaverPhotoListWindow::addClicked);
    connect(m_remove, &QPushButton::clicked, this, &SaverPhotoListWindow::removeClicked);
    connect(m_removeAll, &QPushButton::clicked, this, &SaverPhotoListWindow::removeAllClicked);
    connect(clip, &QPushButton::clicked, this, &SaverPhotoListWindow::clipboardClicked);
    connect(help, &QPushButton::clicked, this, &SaverPhotoListWindow::helpClicked);
    connect(exit, &QPushButton::clicked, this, &SaverPhotoListWindow::exitClicked);
}

void SaverPhotoListWindow::setAddEnabled(bool enabled)
{
    m_add->setEnabled(enabled);
}

void SaverPhotoListWindow::setRemoveEnabled(bool enabled)
{
    m_remove->setEnabled(enabled);
}

void SaverPhotoListWindow::setRemoveAllEnabled(bool enabled)
{
    m_removeAll->setEnabled(enabled);
}

void SaverPhotoListWindow::setBar(double percent)
{
    m_bar->setValue(int(std::lround(std::clamp(percent, 0.0, 100.0))));
}

void SaverPhotoListWindow::closeEvent(QCloseEvent* event)
{
    emit closed();
    QWidget::closeEvent(event);
}
