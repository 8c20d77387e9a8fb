#include "viewers/ui/soundpanel.h"

#include <QLabel>
#include <QPushButton>

#include "catalog/mediarules.h"

namespace {
int px(int twips)
{
    return twips / 15;
}
constexpr int kButtonSide = 255;  // twips
constexpr int kLabelOffset = 360; // label left = button left + this
constexpr int kRowStep = 360;
constexpr int kFirstTop = 600;
constexpr int kWideTop = 5280;
constexpr int kWideWidth = 3735;
constexpr int kWideHeight = 375;
constexpr int kPanelWidth = 8175;  // Close's right edge plus the left margin
constexpr int kPanelHeight = 5775; // Close's bottom plus a margin
} // namespace

QPoint SoundPanel::buttonPositionTwips(int index)
{
    if (index <= 12)
        return {360, kFirstTop + kRowStep * index};
    if (index <= 19)
        return {3000, kFirstTop + kRowStep * (index - 13)};
    return {5520, kFirstTop + kRowStep * (index - 20)};
}

SoundPanel::SoundPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("pnlSound"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setFixedSize(px(kPanelWidth), px(kPanelHeight));
    setAccessibleName(QStringLiteral("Automobile Sound Effects"));
    setAccessibleDescription(QStringLiteral("Sound effects panel"));

    auto* heading = new QLabel(QStringLiteral("Automobile Sound Effects"), this);
    heading->setObjectName(QStringLiteral("Label10"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->adjustSize();
    heading->move(px(2640), px(120));

    for (const mediarules::SoundEffect& s : mediarules::soundEffects()) {
        const QPoint at = buttonPositionTwips(s.index);
        auto* play = new QPushButton(this);
        play->setObjectName(QStringLiteral("SSCommand2_%1").arg(s.index));
        play->setGeometry(px(at.x()), px(at.y()), px(kButtonSide), px(kButtonSide));
        // The button paints no caption: its label's text is what a screen reader announces.
        play->setAccessibleName(s.label);
        play->setToolTip(s.label);
        auto* label = new QLabel(s.label, this);
        label->setObjectName(QStringLiteral("lblSound_%1").arg(s.index));
        label->setBuddy(play);
        label->adjustSize();
        label->move(px(at.x() + kLabelOffset), px(at.y()));
        const int index = s.index;
        connect(play, &QPushButton::clicked, this, [this, index] { emit playClicked(index); });
        m_play.push_back(play);
        m_labels.push_back(label);
    }

    m_stop = new QPushButton(QStringLiteral("Stop"), this);
    m_stop->setObjectName(QStringLiteral("SSCommand3"));
    m_stop->setGeometry(px(360), px(kWideTop), px(kWideWidth), px(kWideHeight));
    connect(m_stop, &QPushButton::clicked, this, &SoundPanel::stopClicked);

    m_close = new QPushButton(QStringLiteral("Close"), this);
    m_close->setObjectName(QStringLiteral("SSCommand1"));
    m_close->setGeometry(px(4080), px(kWideTop), px(kWideWidth), px(kWideHeight));
    connect(m_close, &QPushButton::clicked, this, &SoundPanel::closeClicked);
    hide();
}
