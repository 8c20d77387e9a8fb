#include "output/ui/bookletpanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "catalog/catalogue.h"
#include "output/ui/panelplacement.h"
#include "shared/ui/mainframe.h"

BookletPanel::BookletPanel(IMainFrame& frame) : QFrame(frame.panelParent()), m_frame(frame)
{
    setObjectName(QStringLiteral("pnlPrint"));
    setAccessibleDescription(QStringLiteral("Print Zephane Booklet"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    hide();

    auto* heading = new QLabel(QStringLiteral("Print Zephane Booklet"), this);
    heading->setObjectName(QStringLiteral("Label3"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setAlignment(Qt::AlignCenter);

    static const char* const captions[kBookletSectionCount] = {
        " Cover", " Overview", " Clip art", " Description", " Details", " Engines", " Options", " Colors"};
    auto* grid = new QGridLayout(this);
    grid->addWidget(heading, 0, 0, 1, 2);
    auto* boxes = new QVBoxLayout;
    for (int i = 0; i < kBookletSectionCount; ++i) {
        m_boxes[size_t(i)] = new QCheckBox(QString::fromLatin1(captions[i]), this);
        m_boxes[size_t(i)]->setObjectName(QStringLiteral("Check1_%1").arg(i));
        connect(m_boxes[size_t(i)], &QCheckBox::toggled, this, &BookletPanel::updatePrint);
        boxes->addWidget(m_boxes[size_t(i)]);
    }
    grid->addLayout(boxes, 1, 0);

    auto* years = new QGroupBox(QStringLiteral(" By year "), this);
    years->setObjectName(QStringLiteral("Frame2"));
    auto* yearBox = new QHBoxLayout(years);
    const QStringList items = catalogue::bookletYearList();
    for (int i = 0; i < 2; ++i) {
        m_lists[size_t(i)] = new QListWidget(years);
        m_lists[size_t(i)]->setObjectName(QStringLiteral("List1_%1").arg(i));
        m_lists[size_t(i)]->setAccessibleName(i == 0 ? QStringLiteral("Start year")
                                                     : QStringLiteral("End year"));
        m_lists[size_t(i)]->addItems(items);
        yearBox->addWidget(m_lists[size_t(i)]);
    }
    grid->addWidget(years, 1, 1);

    m_print = new QPushButton(QStringLiteral("Print"), this);
    m_print->setObjectName(QStringLiteral("cmdPrint"));
    m_ok = new QPushButton(QStringLiteral("Cancel"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    grid->addWidget(m_print, 2, 0);
    grid->addWidget(m_ok, 2, 1);
    resize(340, 300);

    connect(m_print, &QPushButton::clicked, this, &BookletPanel::printClicked);
    connect(m_ok, &QPushButton::clicked, this, &BookletPanel::cancelClicked);
}

void BookletPanel::open()
{
    placeOverYearStrip(*this, m_frame, m_frame.photoRect().top() + 5);
    for (QCheckBox* box : m_boxes)
        box->setChecked(false);
    m_print->setEnabled(false);
    m_print->setText(QStringLiteral("Print"));
    m_ok->setText(QStringLiteral("Cancel"));
    show();
    raise();
    m_ok->setFocus();
}

void BookletPanel::updatePrint()
{
    bool any = false;
    for (QCheckBox* box : m_boxes)
        any = any || box->isChecked();
    m_print->setEnabled(any);
}

BookletChoice BookletPanel::ticked() const
{
    BookletChoice c{};
    for (int i = 0; i < kBookletSectionCount; ++i)
        c[size_t(i)] = m_boxes[size_t(i)]->isChecked();
    return c;
}

QString BookletPanel::fromItem() const
{
    const QListWidgetItem* item = m_lists[0]->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

QString BookletPanel::toItem() const
{
    const QListWidgetItem* item = m_lists[1]->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void BookletPanel::setPrinted()
{
    m_print->setText(QStringLiteral("Print Again"));
    m_ok->setText(QStringLiteral("Exit"));
}
