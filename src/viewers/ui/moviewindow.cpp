#include "viewers/ui/moviewindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVideoWidget>

#include "catalog/mediarules.h"

namespace {
int px(int twips)
{
    return twips / 15;
}
QRect pxRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}
// Where each offered movie's option stands (twips): two columns.
QPoint optionPosition(int movieIndex)
{
    switch (movieIndex) {
    case 0:
        return {360, 4200};
    case 1:
        return {360, 4560};
    case 2:
        return {360, 4920};
    case 3:
        return {360, 5280};
    case 4:
        return {2640, 4200};
    case 6:
        return {2640, 4560};
    default:
        return {2640, 4920};
    }
}
constexpr int kOptionWidth = 1900;
constexpr int kOptionHeight = 255;
constexpr int kBarWidth = 3180;
constexpr int kBarHeight = 495;
} // namespace

MovieWindow::MovieWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMovie"));
    setWindowTitle(QStringLiteral("Zephane Movies - 1953 Introduction"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(px(kInnerWidth), px(kInnerHeight));

    m_picture = new QVideoWidget(this);
    m_picture->setObjectName(QStringLiteral("PicMovie"));
    m_picture->setGeometry(pxRect(120, 120, 4815, 3255));
    m_picture->setAccessibleName(QStringLiteral("Movie"));
    m_picture->setStyleSheet(QStringLiteral("background: black"));

    m_bar = buildBar();
    m_bar->setGeometry(pxRect(960, 3480, kBarWidth, kBarHeight));

    for (const mediarules::Movie& m : mediarules::movies()) {
        auto* o = new QRadioButton(m.optionCaption, this);
        o->setObjectName(QStringLiteral("optMovie_%1").arg(m.index));
        const QPoint at = optionPosition(m.index);
        o->setGeometry(pxRect(at.x(), at.y(), kOptionWidth, kOptionHeight));
        const int index = m.index;
        connect(o, &QRadioButton::clicked, this, [this, index] { emit movieChosen(index); });
        m_options[m.index] = o;
    }

    m_help = new QPushButton(QStringLiteral("Help"), this);
    m_help->setObjectName(QStringLiteral("SSCommand2"));
    m_help->setGeometry(pxRect(120, 5640, 2415, 375));
    m_help->setAutoDefault(false);
    connect(m_help, &QPushButton::clicked, this, &MovieWindow::helpClicked);

    m_exit = new QPushButton(QStringLiteral("Exit"), this);
    m_exit->setObjectName(QStringLiteral("SSCommand1"));
    m_exit->setGeometry(pxRect(2520, 5640, 2415, 375));
    m_exit->setAutoDefault(false);
    connect(m_exit, &QPushButton::clicked, this, &MovieWindow::exitClicked);
}

QWidget* MovieWindow::buildBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("MMControl1"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    struct Def {
        MediaButton button;
        const char* name;
        const char* text;
        bool offered;
    };
    static const Def defs[] = {
        {MediaButton::Prev, "Prev", "|<<", false}, {MediaButton::Next, "Next", ">>|", false},
        {MediaButton::Play, "Play", ">", true},    {MediaButton::Pause, "Pause", "||", false},
        {MediaButton::Back, "Back", "<|", false},  {MediaButton::Step, "Step", "|>", false},
        {MediaButton::Stop, "Stop", "[]", true}};
    for (const Def& d : defs) {
        auto* b = new QToolButton(bar);
        b->setObjectName(QString::fromLatin1(d.name));
        b->setText(QString::fromLatin1(d.text));
        b->setToolTip(QString::fromLatin1(d.name));
        b->setAccessibleName(QString::fromLatin1(d.name));
        b->setFocusPolicy(Qt::StrongFocus);
        b->setEnabled(d.offered);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        row->addWidget(b);
        const MediaButton which = d.button;
        connect(b, &QToolButton::clicked, this, [this, which] { emit barButton(which); });
    }
    return bar;
}

QRadioButton* MovieWindow::option(int movieIndex) const
{
    const auto it = m_options.find(movieIndex);
    return it == m_options.end() ? nullptr : it->second;
}

QObject* MovieWindow::videoSurface()
{
    return m_picture;
}

void MovieWindow::showPicture()
{
    m_picture->setVisible(true);
}

void MovieWindow::setCaption(const QString& caption)
{
    setWindowTitle(caption);
}

void MovieWindow::setPictureHeight(int twips)
{
    m_picture->resize(m_picture->width(), px(twips));
}

void MovieWindow::showControlBar()
{
    const int left = (kInnerWidth - kBarWidth) / 2;
    const int top = optionPosition(0).y() - kBarHeight - 100;
    m_bar->setGeometry(pxRect(left, top, kBarWidth, kBarHeight));
    m_bar->setVisible(true);
}

void MovieWindow::closeWindow()
{
    done(QDialog::Accepted);
}
