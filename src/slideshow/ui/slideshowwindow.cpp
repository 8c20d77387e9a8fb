#include "slideshow/ui/slideshowwindow.h"

#include <cmath>

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

#include "platform/clock.h"
#include "slideshow/slideclock.h"
#include "slideshow/ui/slidepanel.h"
#include "slideshow/ui/slidepicture.h"

namespace {

using C = SlideControl;
constexpr int kTwipsPerPixel = 15;

int px(int twips)
{
    return int(std::lround(twips / double(kTwipsPerPixel)));
}

// The design layout, for an 800 x 600 screen (twips).
struct Design {
    C control;
    QRect twips;
};
const Design kDesign[] = {
    // Heights and the left edges leave room for the rows of the small-screen layout, which keeps heights.
    {C::Image1, {115, 140, 11770, 6980}},         {C::Picture2, {4500, 3600, 1500, 900}},
    {C::Picture3, {6600, 60, 1500, 900}},         {C::Picture4, {4500, 5000, 3000, 900}},
    {C::PhotoNumber, {120, 7700, 1800, 210}},     {C::PanYear, {120, 7940, 3300, 300}},
    {C::Beginning, {3840, 7380, 1500, 240}},      {C::Middle, {5340, 7380, 1500, 240}},
    {C::OptionPhotos, {7800, 7380, 1140, 255}},   {C::OptionEmblems, {8940, 7380, 1260, 255}},
    {C::OptionClipArt, {10200, 7380, 1200, 255}}, {C::ControlBar, {3840, 7680, 3000, 345}},
    {C::PanInterval, {8880, 7710, 1100, 285}},    {C::SpinInterval, {10020, 7695, 300, 300}},
    {C::CoStar, {120, 8340, 4200, 300}},          {C::StatusDay, {4320, 8340, 1800, 300}},
    {C::StatusDate, {6120, 8340, 1500, 300}},     {C::StatusTime, {7620, 8340, 1800, 300}},
    {C::CmdExit, {9420, 8340, 1500, 300}},
};

const char* const kBarNames[] = {"Bkwd", "Fwd", "Play", "Pause", "Jump Bkwd", "Jump Fwd", "Exit"};
const QStyle::StandardPixmap kBarIcons[] = {
    QStyle::SP_MediaSeekBackward, QStyle::SP_MediaSeekForward, QStyle::SP_MediaPlay, QStyle::SP_MediaPause,
    QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSkipForward, QStyle::SP_MediaStop};

bool isPicture(C c)
{
    return c == C::Image1 || c == C::Picture2 || c == C::Picture3 || c == C::Picture4;
}

} // namespace

SlideShowWindow::SlideShowWindow(const IClock& clock, QWidget* parent) : QDialog(parent), m_clock(clock)
{
    setObjectName(QStringLiteral("frmSlide"));
    setWindowTitle(QStringLiteral("Zephane Folarium Slide Show"));
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    // Disabled captions stay readable on the grey (the mode buttons while playing).
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        pal.setColor(QPalette::Disabled, role, QColor(112, 112, 112));
    setPalette(pal);
    QFont small = font();
    small.setPointSize(8); // the rows are 16 to 20 pixels high
    setFont(small);
    build();
    for (std::size_t i = 0; i < m_timers.size(); ++i) {
        const auto which = SlideTimer(i);
        connect(&m_timers[i], &QTimer::timeout, this, [this, which] { emit tick(which); });
    }
    m_clockTimer.setSingleShot(true);
    m_clockTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_clockTimer, &QTimer::timeout, this, &SlideShowWindow::updateClock);
    updateClock(); // the captions appear as the window loads
}

SlideShowWindow::~SlideShowWindow()
{
    stopTimers();
}

void SlideShowWindow::build()
{
    const auto addPicture = [this](C c, const char* name, const char* role) {
        auto* p = new SlidePicture(QString::fromLatin1(name), QString::fromLatin1(role), this);
        m_controls[c] = p;
        if (c == C::Image1)
            connect(p, &SlidePicture::leftClicked, this, &SlideShowWindow::imageClicked);
        else
            connect(p, &SlidePicture::leftClicked, this, &SlideShowWindow::panelClicked);
        connect(p, &SlidePicture::rightClicked, this, [this, c] { emit copyRequested(c); });
    };
    addPicture(C::Image1, "Image1", "Slide picture");
    addPicture(C::Picture2, "Picture2", "Side emblem");
    addPicture(C::Picture3, "Picture3", "Nose emblem");
    addPicture(C::Picture4, "Picture4", "Script badge");

    const auto addPanel = [this](C c, const char* name, const QString& caption, const QString& role) {
        auto* p = new SlidePanel(QString::fromLatin1(name), caption, role, this);
        m_controls[c] = p;
        connect(p, &SlidePanel::clicked, this, &SlideShowWindow::panelClicked);
        return p;
    };
    QFont bold = font();
    bold.setBold(true);
    addPanel(C::PanYear, "panYear", QStringLiteral("panYear"), QStringLiteral("Slide label"))->setFont(bold);
    addPanel(C::PhotoNumber, "pnlPhotoNumber", QString(), QStringLiteral("Photo counter"));
    addPanel(C::PanInterval, "panInterval", QStringLiteral("SSPanel1"), QStringLiteral("Slide delay"));
    addPanel(C::CoStar, "PnlCoStar", QStringLiteral("The Zephane Folarium  2000"), QStringLiteral("Title"));
    addPanel(C::StatusDay, "StatusDay", QStringLiteral("StatusDay"), QStringLiteral("Weekday"));
    addPanel(C::StatusDate, "StatusDate", QStringLiteral("StatusDate"), QStringLiteral("Date"));
    addPanel(C::StatusTime, "StatusTime", QStringLiteral("StatusTime"), QStringLiteral("Time"));
    for (C c : {C::PanYear, C::PhotoNumber})
        static_cast<QLabel*>(m_controls[c])->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    const auto addButton = [this](C c, const char* name, const QString& caption, const QString& tip) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(tip);
        m_controls[c] = b;
        return b;
    };
    auto* beginning =
        addButton(C::Beginning, "SSCommand1", QStringLiteral("Beginning"), QStringLiteral("Jump to Slide 1"));
    beginning->installEventFilter(this);
    connect(beginning, &QPushButton::clicked, this, &SlideShowWindow::beginningClicked);
    connect(addButton(C::Middle, "SSCommand2", QStringLiteral("Middle"), QStringLiteral("Jump to Middle")),
            &QPushButton::clicked, this, &SlideShowWindow::middleClicked);
    auto* exit = addButton(C::CmdExit, "cmdExit", QStringLiteral("Exit"), QString());
    connect(exit, &QPushButton::clicked, this, &SlideShowWindow::exitClicked);

    m_modes = new QButtonGroup(this);
    const auto addOption = [this](C c, int index, const QString& caption, const QString& tip) {
        auto* o = new QRadioButton(caption, this);
        o->setObjectName(QStringLiteral("Option1_%1").arg(index));
        o->setToolTip(tip);
        m_modes->addButton(o, index);
        m_controls[c] = o;
    };
    addOption(C::OptionPhotos, 0, QStringLiteral("Photos"), QStringLiteral("Show Photos"));
    addOption(C::OptionClipArt, 1, QStringLiteral("ClipArt"), QStringLiteral("Show ClipArt"));
    addOption(C::OptionEmblems, 2, QStringLiteral("Insignias"), QStringLiteral("Show Emblems & Scripts"));
    connect(m_modes, &QButtonGroup::idClicked, this, &SlideShowWindow::modeClicked);

    buildControlBar();
    buildSpinner();
    for (const Design& d : kDesign) {
        m_twips[d.control] = d.twips;
        place(d.control);
    }
    // Tab order follows the rows: the jump buttons, the bar, the modes, the delay, Exit.
    setTabOrder(beginning, m_controls[C::Middle]);
}

void SlideShowWindow::buildControlBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("mmSlide"));
    bar->setToolTip(QStringLiteral("[Bkwd] [Fwd] [Play] [Pause] [Jump Bkwd] [Jump Fwd] [Exit]"));
    m_controls[C::ControlBar] = bar;
    for (int i = 0; i < 7; ++i) {
        auto* b = new QToolButton(bar);
        b->setObjectName(QStringLiteral("mmSlide_") + QString::fromLatin1(kBarNames[i]).remove(' '));
        b->setText(QString::fromLatin1(kBarNames[i]));
        b->setAccessibleName(QString::fromLatin1(kBarNames[i]));
        b->setIcon(style()->standardIcon(kBarIcons[i]));
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setFocusPolicy(Qt::StrongFocus);
        m_bar[std::size_t(i)] = b;
        const auto which = BarButton(i);
        connect(b, &QToolButton::clicked, this, [this, which] { emit barClicked(which); });
    }
    m_bar[std::size_t(BarButton::Pause)]->setEnabled(false);
}

void SlideShowWindow::buildSpinner()
{
    auto* spin = new QWidget(this);
    spin->setObjectName(QStringLiteral("SpinInterval"));
    spin->setToolTip(QStringLiteral("Set Slide Show Delay"));
    m_controls[C::SpinInterval] = spin;
    const auto arrow = [this, spin](Qt::ArrowType type, const QString& name) {
        auto* b = new QToolButton(spin);
        b->setArrowType(type);
        b->setObjectName(QStringLiteral("SpinInterval_") + name);
        b->setAccessibleName(QStringLiteral("Delay ") + name);
        b->setToolTip(QStringLiteral("Set Slide Show Delay"));
        b->setFocusPolicy(Qt::StrongFocus);
        return b;
    };
    connect(arrow(Qt::UpArrow, QStringLiteral("up")), &QToolButton::clicked, this,
            &SlideShowWindow::delayUpClicked);
    connect(arrow(Qt::DownArrow, QStringLiteral("down")), &QToolButton::clicked, this,
            &SlideShowWindow::delayDownClicked);
}

void SlideShowWindow::place(C c)
{
    const QRect t = m_twips[c];
    QWidget* w = m_controls.at(c);
    w->setGeometry(px(t.left()), px(t.top()), px(t.width()), px(t.height()));
    if (c == C::ControlBar) {
        const int n = int(m_bar.size());
        for (int i = 0; i < n; ++i)
            m_bar[std::size_t(i)]->setGeometry(i * w->width() / n, 0,
                                               (i + 1) * w->width() / n - i * w->width() / n, w->height());
    } else if (c == C::SpinInterval) {
        const auto arrows = w->findChildren<QToolButton*>();
        const int half = w->height() / 2;
        for (int i = 0; i < arrows.size(); ++i)
            arrows[i]->setGeometry(0, i * half, w->width(), i == 0 ? half : w->height() - half);
    }
}

// ISlideView ------------------------------------------------------------------------------------------------

QWidget* SlideShowWindow::control(C c) const
{
    return m_controls.at(c);
}

SlidePicture* SlideShowWindow::picture(C slot) const
{
    return isPicture(slot) ? static_cast<SlidePicture*>(m_controls.at(slot)) : nullptr;
}

QAbstractButton* SlideShowWindow::barButton(BarButton button) const
{
    return m_bar[std::size_t(button)];
}

QTimer& SlideShowWindow::timer(SlideTimer t)
{
    return m_timers[std::size_t(t)];
}

bool SlideShowWindow::loadPicture(C slot, const QString& file)
{
    SlidePicture* p = picture(slot);
    if (!p)
        return false;
    const bool stretch = p->stretch();
    const QImage image = m_pictures.load(file, stretch ? p->size() : QSize());
    if (image.isNull())
        return false; // the picture on display stays
    p->setPicture(image, file);
    if (!stretch) {
        QRect& t = m_twips[slot];
        t.setSize(image.size() * kTwipsPerPixel);
        place(slot);
    }
    return true;
}

void SlideShowWindow::clearPicture(C slot)
{
    if (SlidePicture* p = picture(slot))
        p->clear();
}

void SlideShowWindow::setStretch(bool on)
{
    picture(C::Image1)->setStretch(on);
}

bool SlideShowWindow::stretched() const
{
    return picture(C::Image1)->stretch();
}

void SlideShowWindow::prepare(const QStringList& files)
{
    SlidePicture* p = picture(C::Image1);
    m_pictures.prepare(files, p->stretch() ? p->size() : QSize());
}

void SlideShowWindow::raisePicture()
{
    // In front of the other pictures, behind every control: a stretched picture never covers a button.
    QWidget* image = picture(C::Image1);
    for (QObject* child : children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && w != image && !qobject_cast<SlidePicture*>(w) && !w->isWindow()) {
            image->stackUnder(w); // children() runs from the back to the front
            return;
        }
    }
}

QRect SlideShowWindow::rect(C c) const
{
    return m_twips.at(c);
}

void SlideShowWindow::move(C c, int left, int top)
{
    m_twips[c].moveTo(left, top);
    place(c);
}

void SlideShowWindow::resize(C c, int width, int height)
{
    m_twips[c].setSize(QSize(std::max(width, 0), std::max(height, 0)));
    place(c);
}

void SlideShowWindow::setVisible(C c, bool visible)
{
    m_controls.at(c)->setVisible(visible);
}

bool SlideShowWindow::isVisible(C c) const
{
    return !m_controls.at(c)->isHidden();
}

void SlideShowWindow::setEnabled(C c, bool enabled)
{
    m_controls.at(c)->setEnabled(enabled);
}

void SlideShowWindow::setCaption(C c, const QString& caption)
{
    if (auto* label = qobject_cast<QLabel*>(m_controls.at(c)))
        label->setText(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(m_controls.at(c)))
        button->setText(caption);
}

QString SlideShowWindow::caption(C c) const
{
    if (auto* label = qobject_cast<QLabel*>(m_controls.at(c)))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(m_controls.at(c)))
        return button->text();
    return QString();
}

int SlideShowWindow::windowWidth() const
{
    return width() * kTwipsPerPixel;
}

void SlideShowWindow::setBarEnabled(BarButton button, bool enabled)
{
    m_bar[std::size_t(button)]->setEnabled(enabled);
}

bool SlideShowWindow::barEnabled(BarButton button) const
{
    return m_bar[std::size_t(button)]->isEnabled();
}

void SlideShowWindow::setTimer(SlideTimer t, int intervalMs)
{
    QTimer& timer = m_timers[std::size_t(t)];
    if (intervalMs <= 0)
        timer.stop();
    else
        timer.start(intervalMs);
}

bool SlideShowWindow::focusBeginning()
{
    QWidget* beginning = m_controls.at(C::Beginning);
    if (!QDialog::isVisible() || !beginning->isEnabled())
        return false;
    beginning->setFocus(Qt::OtherFocusReason);
    return true;
}

void SlideShowWindow::checkMode(int index)
{
    if (QAbstractButton* b = m_modes->button(index)) {
        const QSignalBlocker block(m_modes);
        b->setChecked(true);
    }
}

// Clock, keys, closing
// ---------------------------------------------------------------------------------------

void SlideShowWindow::updateClock()
{
    const QDateTime now = m_clock.now();
    const slideclock::Texts t = slideclock::texts(now, QLocale());
    setCaption(C::StatusTime, t.time);
    setCaption(C::StatusDate, t.date);
    setCaption(C::StatusDay, t.day);
    m_clockTimer.start(slideclock::msToNextSecond(now));
}

void SlideShowWindow::stopTimers()
{
    for (QTimer& t : m_timers)
        t.stop();
    m_clockTimer.stop();
}

bool SlideShowWindow::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* beginning = m_controls[C::Beginning];
    if (watched == beginning && event->type() == QEvent::KeyPress && beginning->isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Comma || key == Qt::Key_Less) {
            emit stepKey(false);
            return true;
        }
        if (key == Qt::Key_Period || key == Qt::Key_Greater) {
            emit stepKey(true);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool SlideShowWindow::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        emit activated();
    return QDialog::event(e);
}

void SlideShowWindow::hideEvent(QHideEvent* event)
{
    // However the window closes: Exit, the close box, Escape or the hand-over. A minimized show is hidden by
    // the window system (a spontaneous event) and goes on playing.
    if (!event->spontaneous())
        stopTimers();
    QDialog::hideEvent(event);
}
