#include "output/ui/copyprogresspanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "output/ui/panelplacement.h"
#include "shared/ui/mainframe.h"

namespace {
constexpr int kFrameMs = 20;

QProgressBar* makeBar(const QString& name, const QString& role, QWidget* parent)
{
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(name);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setFormat(QStringLiteral("%v")); // the caption is the percent as a whole number
    bar->setAlignment(Qt::AlignCenter);
    bar->setAccessibleName(role);
    return bar;
}
} // namespace

CopyProgressPanel::CopyProgressPanel(IMainFrame& frame) : QFrame(frame.panelParent()), m_frame(frame)
{
    setObjectName(QStringLiteral("pnlProgress"));
    setAccessibleDescription(QStringLiteral("Copy progress"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    hide();

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("Label2"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_title->setAlignment(Qt::AlignCenter);
    m_file = new QLineEdit(this);
    m_file->setObjectName(QStringLiteral("Text1"));
    m_file->setReadOnly(true);
    m_file->setAccessibleName(QStringLiteral("File being copied"));
    m_fileBar = makeBar(QStringLiteral("ProgressGuage"), QStringLiteral("This file"), this);
    m_overallBar = makeBar(QStringLiteral("ProgressGuage2"), QStringLiteral("All files"), this);
    m_copy = new QPushButton(QStringLiteral("Copy Photos"), this);
    m_copy->setObjectName(QStringLiteral("cmdCopy"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_title, 0, 0, 1, 2);
    grid->addWidget(m_file, 1, 0, 1, 2);
    grid->addWidget(m_fileBar, 2, 0, 1, 2);
    grid->addWidget(m_overallBar, 3, 0, 1, 2);
    grid->addWidget(m_copy, 4, 0);
    grid->addWidget(m_cancel, 4, 1);
    resize(420, 170);

    m_pending.setSingleShot(true);
    m_pending.setInterval(kFrameMs);
    connect(&m_pending, &QTimer::timeout, this, &CopyProgressPanel::showPending);
    m_shown.start();

    connect(m_copy, &QPushButton::clicked, this, &CopyProgressPanel::copyClicked);
    connect(m_cancel, &QPushButton::clicked, this, &CopyProgressPanel::cancelClicked);
}

void CopyProgressPanel::prepare(const QString& title, const QString& copyCaption)
{
    m_title->setText(title);
    m_copy->setText(copyCaption);
    placeOverYearStrip(*this, m_frame, m_frame.descriptionButtonRect().top() + 60);
}

void CopyProgressPanel::setPanelVisible(bool visible)
{
    setVisible(visible);
    if (visible)
        raise();
}

void CopyProgressPanel::setButtonsEnabled(bool enabled)
{
    m_copy->setEnabled(enabled);
    m_cancel->setEnabled(enabled);
}

void CopyProgressPanel::focusCancel()
{
    m_cancel->setFocus();
}

void CopyProgressPanel::showPending()
{
    m_pending.stop();
    m_file->setText(m_fileTextValue);
    m_fileBar->setValue(m_fileValue);
    m_overallBar->setValue(m_overallValue);
    m_shown.restart();
}

void CopyProgressPanel::setFileText(const QString& path)
{
    m_fileTextValue = path;
    if (!m_pending.isActive())
        m_pending.start();
}

void CopyProgressPanel::setFileBar(int percent)
{
    m_fileValue = percent;
    // Values wait for the next frame, even a file's start and end: a copy of many small files would
    // otherwise paint twice a file. The overall bar's end shows them.
    if (m_shown.elapsed() >= kFrameMs)
        showPending();
    else if (!m_pending.isActive())
        m_pending.start();
}

void CopyProgressPanel::setOverallBar(int percent)
{
    m_overallValue = percent;
    if (percent == 0 || percent == 100 || m_shown.elapsed() >= kFrameMs)
        showPending();
    else if (!m_pending.isActive())
        m_pending.start();
}
