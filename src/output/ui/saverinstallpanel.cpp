#include "output/ui/saverinstallpanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "output/ui/panelplacement.h"
#include "output/ui/spinbutton.h"
#include "shared/ui/mainframe.h"

SaverInstallPanel::SaverInstallPanel(IMainFrame& frame) : QFrame(frame.panelParent()), m_frame(frame)
{
    setObjectName(QStringLiteral("pnlSSaver"));
    setAccessibleDescription(QStringLiteral("Install Screen Saver"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    hide();

    m_all = new QRadioButton(QStringLiteral("All Photos"), this);
    m_all->setObjectName(QStringLiteral("Option1_0"));
    m_all->setChecked(true);
    m_selected = new QRadioButton(QStringLiteral("Selected Photos"), this);
    m_selected->setObjectName(QStringLiteral("Option1_1"));
    m_interval = new QLabel(QStringLiteral("1 Second"), this);
    m_interval->setObjectName(QStringLiteral("panInterval"));
    m_interval->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_interval->setAlignment(Qt::AlignCenter);
    m_interval->setAccessibleDescription(QStringLiteral("Slide Show Delay"));
    auto* spin = new SpinButton(this);
    spin->setObjectName(QStringLiteral("SpinInterval"));
    spin->setToolTip(QStringLiteral("Set Slide Show Delay"));
    spin->setAccessibleName(QStringLiteral("Set Slide Show Delay"));
    spin->setFixedWidth(22);
    m_install = new QPushButton(QStringLiteral("Install"), this);
    m_install->setObjectName(QStringLiteral("SSCommand4"));
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("SSCommand5"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("SSCommand6"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_all, 1, 0, 1, 2);
    grid->addWidget(m_selected, 2, 0, 1, 2);
    grid->addWidget(m_interval, 3, 0, 1, 2);
    grid->addWidget(spin, 3, 2);
    grid->addWidget(m_install, 4, 0);
    grid->addWidget(help, 4, 1);
    grid->addWidget(m_cancel, 4, 2);
    resize(300, 170);

    connect(spin, &SpinButton::stepped, this, &SaverInstallPanel::spun);
    connect(m_install, &QPushButton::clicked, this, &SaverInstallPanel::installClicked);
    connect(help, &QPushButton::clicked, this, &SaverInstallPanel::helpClicked);
    connect(m_cancel, &QPushButton::clicked, this, &SaverInstallPanel::cancelClicked);
}

void SaverInstallPanel::open(bool selectedPhotosOffered)
{
    placeOverYearStrip(*this, m_frame, m_frame.photoRect().top() + 5);
    m_selected->setEnabled(selectedPhotosOffered);
    if (!selectedPhotosOffered)
        m_all->setChecked(true);
    m_cancel->setText(QStringLiteral("Cancel"));
    m_install->setEnabled(true);
    show();
    raise();
    m_cancel->setFocus();
}

bool SaverInstallPanel::selectedPhotosChosen() const
{
    return m_selected->isEnabled() && m_selected->isChecked();
}

void SaverInstallPanel::setIntervalCaption(const QString& caption)
{
    m_interval->setText(caption);
}

void SaverInstallPanel::setInstalled()
{
    m_cancel->setText(QStringLiteral("Exit"));
}

void SaverInstallPanel::setInstallEnabled(bool enabled)
{
    m_install->setEnabled(enabled);
}
