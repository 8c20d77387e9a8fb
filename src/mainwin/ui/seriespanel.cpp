#include "mainwin/ui/seriespanel.h"

#include <algorithm>

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "shared/ui/mainframe.h"

const QString SeriesPanel::kHeading = QStringLiteral("The Illustrated Zephane Series  by R. Ferrec Ostrand");

namespace {
const char* const kIndexProperty = "index";
constexpr int kRightColumnFrom = 17;

// A caption's "&&" stands for one "&".
QString shown(const QString& caption)
{
    QString s = caption;
    return s.replace(QLatin1String("&&"), QLatin1String("&"));
}
} // namespace

QRect SeriesPanel::titleGeometry(int index)
{
    const bool left = index < kRightColumnFrom;
    const int row = left ? index - 1 : index - kRightColumnFrom;
    return QRect(left ? 48 : 296, 40 + 24 * row, left ? 220 : 300, 17);
}

QRect SeriesPanel::buttonGeometry(int index)
{
    const QRect t = titleGeometry(index);
    return QRect(index < kRightColumnFrom ? 24 : 272, t.top(), 17, 17);
}

SeriesPanel::SeriesPanel(IMainFrame& frame) : QFrame(frame.panelParent()), m_frame(frame)
{
    setObjectName(QStringLiteral("SSpnlOstrand"));
    setAccessibleName(QStringLiteral("The Illustrated Zephane"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_NoMousePropagation);
    resize(kDesignSize);
    hide();

    auto* heading = new QLabel(kHeading, this);
    heading->setObjectName(QStringLiteral("Label11"));
    QFont big = heading->font();
    big.setPixelSize(15);
    big.setBold(true);
    heading->setFont(big);
    heading->setAlignment(Qt::AlignCenter);
    heading->setGeometry(8, 8, kDesignSize.width() - 16, 24);

    for (int i = 1; i <= mediarules::kSeriesCount; ++i) {
        const QString text = shown(mediarules::seriesTitle(i));
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("Command1_%1").arg(i));
        b->setProperty(kIndexProperty, i);
        b->setAccessibleName(text);
        b->setToolTip(text);
        b->setGeometry(buttonGeometry(i));
        connect(b, &QPushButton::clicked, this, [this, i] {
            if (m_controller)
                m_controller->showIllustration(i);
        });
        m_buttons[i] = b;

        auto* l = new QLabel(text, this);
        l->setObjectName(QStringLiteral("Label12_%1").arg(i));
        l->setProperty(kIndexProperty, i);
        l->setTextFormat(Qt::PlainText);
        l->setAccessibleName(text);
        l->setCursor(Qt::PointingHandCursor);
        l->setGeometry(titleGeometry(i));
        l->installEventFilter(this);
        m_titles[i] = l;
    }

    m_about = new QPushButton(QStringLiteral("R. Ferrec Ostrand"), this);
    m_about->setObjectName(QStringLiteral("SSCommand7"));
    m_about->setGeometry(24, 432, 160, 25);
    connect(m_about, &QPushButton::clicked, this, [this] {
        if (m_controller)
            m_controller->readAbout();
    });
    m_close = new QPushButton(QStringLiteral("Close"), this);
    m_close->setObjectName(QStringLiteral("SSCommand8"));
    m_close->setGeometry(kDesignSize.width() - 24 - 100, 432, 100, 25);
    connect(m_close, &QPushButton::clicked, this, [this] {
        if (m_controller)
            m_controller->close();
    });
}

QLabel* SeriesPanel::title(int index) const
{
    return index >= 1 && index <= mediarules::kSeriesCount ? m_titles[index] : nullptr;
}

QPushButton* SeriesPanel::button(int index) const
{
    return index >= 1 && index <= mediarules::kSeriesCount ? m_buttons[index] : nullptr;
}

int SeriesPanel::exitButtonRight() const
{
    return m_frame.yearStripSpan().width();
}

void SeriesPanel::showPanelAt(QPoint topLeft)
{
    // Kept inside the main window, whose adapted layout is shorter than the panel's top plus its height.
    const QWidget* client = parentWidget();
    const int top = std::max(0, std::min(topLeft.y(), client->height() - height()));
    const int left = std::max(0, std::min(topLeft.x(), client->width() - width()));
    move(left, top);
    raise();
    show();
    m_close->setFocus(Qt::OtherFocusReason);
}

bool SeriesPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const auto title = std::find(m_titles.begin() + 1, m_titles.end(), watched);
        if (title != m_titles.end()) {
            // A title presses its button.
            if (QPushButton* b = button(int(title - m_titles.begin())))
                b->click();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
