#include "mainwin/ui/largepicturewindow.h"

#include <QCloseEvent>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {

const QString kZoomOutTip =
    QStringLiteral("Click the left mouse button to view zoom out. Click the Right mouse button to close.");
const QString kZoomInTip =
    QStringLiteral("Click the left mouse button to zoom in. Click the Right mouse button to close.");

// Pictures larger than this are refused rather than exhausting memory (about 16k x 16k pixels).
constexpr int kMaxPictureMegabytes = 1024;

void applyBar(QScrollBar* bar, const largepicture::ScrollBar& b)
{
    bar->setGeometry(b.geometry);
    // A bar whose picture is smaller than the viewport stays visible but disabled at 0.
    bar->setRange(0, std::max(0, b.maximum));
    bar->setPageStep(b.largeChange);
    bar->setEnabled(b.enabled);
}

} // namespace

LargePictureWindow::LargePictureWindow(std::function<QString()> entryLabel, QRect screenArea, QWidget* parent)
    : QWidget(parent, Qt::Window), m_entryLabel(std::move(entryLabel)), m_area(screenArea),
      m_screen(screenArea.size())
{
    setObjectName(QStringLiteral("frmScroll"));
    setAttribute(Qt::WA_DeleteOnClose);

    // Image1 lies beneath the viewport and shows when the viewport is hidden.
    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setScaledContents(true);
    m_image1->setToolTip(kZoomInTip);
    m_image1->setAccessibleName(tr("Picture fitted to the screen"));
    m_image1->installEventFilter(this);

    m_picParent = new QWidget(this);
    m_picParent->setObjectName(QStringLiteral("picParent"));
    m_picParent->setToolTip(kZoomOutTip);
    m_picParent->setAutoFillBackground(true);
    m_picParent->installEventFilter(this);

    m_picChild = new QLabel(m_picParent);
    m_picChild->setObjectName(QStringLiteral("picChild"));
    m_picChild->setToolTip(kZoomOutTip);
    m_picChild->setAccessibleName(tr("Picture at full size"));
    m_picChild->installEventFilter(this);

    m_hScroll = new QScrollBar(Qt::Horizontal, this);
    m_hScroll->setObjectName(QStringLiteral("HScroll1"));
    m_vScroll = new QScrollBar(Qt::Vertical, this);
    m_vScroll->setObjectName(QStringLiteral("VScroll1"));
    for (QScrollBar* bar : {m_hScroll, m_vScroll})
        bar->setSingleStep(20);
    connect(m_hScroll, &QScrollBar::valueChanged, this,
            [this](int v) { m_picChild->move(-v, m_picChild->y()); });
    connect(m_vScroll, &QScrollBar::valueChanged, this,
            [this](int v) { m_picChild->move(m_picChild->x(), -v); });

    m_close = new QPushButton(QStringLiteral("X"), this);
    m_close->setObjectName(QStringLiteral("SSCommand1"));
    m_close->setAccessibleName(tr("Close"));
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);

    m_layout.horizontal.geometry = QRect(0, 0, 0, m_hScroll->sizeHint().height());
    m_layout.vertical.geometry = QRect(0, 0, m_vScroll->sizeHint().width(), 0);

    // On load: at the screen area's top left corner, picture boxes borderless and shown.
    move(m_area.topLeft());
    m_picChild->move(0, 0);
}

void LargePictureWindow::prepare()
{
    fitToScreen();
    applyLayout(size()); // a size change lays the viewer out at once
    m_picParent->hide();
    m_picChild->hide();
    m_picChild->move(0, 0);
}

void LargePictureWindow::setCaption(const QString& caption)
{
    setWindowTitle(caption);
}

bool LargePictureWindow::loadPicture(const QString& realPath)
{
    m_hScroll->hide();
    m_vScroll->hide();
    QImageReader reader(realPath);
    reader.setAllocationLimit(kMaxPictureMegabytes);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    m_picture = QPixmap::fromImage(image);
    m_picChild->setPixmap(m_picture);
    m_picChild->resize(m_picture.size()); // auto-size
    m_image1->setPixmap(m_picture);
    return true;
}

void LargePictureWindow::finishShowing(QSize layoutClient)
{
    m_image1->setGeometry(m_picChild->x(), m_picChild->y(), 620, m_picParent->height());
    m_image1->lower();
    applyLayout(layoutClient);
    // The four controls of the scrolling view were hidden above: switching each shows them all.
    toggleScrollingView();
    show();
    refitWhenFrameChanged();
    raise();
    activateWindow();
    applyLayout(size());
}

bool LargePictureWindow::showLargePicture(const QString& realPath, const QString& caption, QSize layoutClient)
{
    prepare();
    setCaption(caption);
    if (!loadPicture(realPath))
        return false;
    finishShowing(layoutClient);
    return true;
}

bool LargePictureWindow::scrollingViewShown() const
{
    return !m_picParent->isHidden();
}

void LargePictureWindow::toggleScrollingView()
{
    for (QWidget* w : {static_cast<QWidget*>(m_hScroll), static_cast<QWidget*>(m_vScroll), m_picParent,
                       static_cast<QWidget*>(m_picChild)})
        w->setVisible(w->isHidden());
}

void LargePictureWindow::zoomOut()
{
    const std::optional<QRect> fitted = largepicture::zoomOut(
        windowTitle(), m_entryLabel ? m_entryLabel() : QString(), m_screen, m_image1->geometry());
    if (!fitted)
        return;
    m_image1->setGeometry(*fitted);
    toggleScrollingView();
}

void LargePictureWindow::zoomIn()
{
    for (QWidget* w : {static_cast<QWidget*>(m_hScroll), static_cast<QWidget*>(m_vScroll), m_picParent,
                       static_cast<QWidget*>(m_picChild)})
        w->show();
}

void LargePictureWindow::relayout()
{
    applyLayout(size());
}

void LargePictureWindow::applyLayout(QSize client)
{
    const QSize bars(m_vScroll->sizeHint().width(), m_hScroll->sizeHint().height());
    m_layout = largepicture::layout(client, m_picChild->size(), bars, m_layout);
    m_picParent->setGeometry(m_layout.viewport);
    applyBar(m_hScroll, m_layout.horizontal);
    applyBar(m_vScroll, m_layout.vertical);
    m_close->setGeometry(m_layout.corner);
    if (isVisible())
        m_close->setFocus();
}

void LargePictureWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyLayout(size());
}

QMargins LargePictureWindow::frameMargins() const
{
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

void LargePictureWindow::fitToScreen()
{
    m_fitting = true;
    m_fittedFrame = frameMargins();
    setGeometry(largepicture::fittedClientGeometry(m_area, m_fittedFrame));
    m_fitting = false;
}

void LargePictureWindow::refitWhenFrameChanged()
{
    // A window manager frames the window once it is shown; the frame must not push the bottom scroll bar
    // and the "X" off the screen.
    if (!m_fitting && isVisible() && frameMargins() != m_fittedFrame)
        fitToScreen();
}

void LargePictureWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    refitWhenFrameChanged();
}

bool LargePictureWindow::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    // The window manager's frame is known only once the framed window is mapped and activated.
    switch (event->type()) {
    case QEvent::WindowActivate:
    case QEvent::ActivationChange:
    case QEvent::Paint:
        refitWhenFrameChanged();
        break;
    default:
        break;
    }
    return handled;
}

void LargePictureWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refitWhenFrameChanged();
}

void LargePictureWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit unloaded();
}

void LargePictureWindow::keyPressEvent(QKeyEvent* event)
{
    // Keyboard users scroll with the arrows and page keys, and leave with Escape.
    QScrollBar* bar = (event->modifiers() & Qt::ShiftModifier) ? m_hScroll : m_vScroll;
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Left:
        m_hScroll->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return;
    case Qt::Key_Right:
        m_hScroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return;
    case Qt::Key_Up:
        m_vScroll->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return;
    case Qt::Key_Down:
        m_vScroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return;
    case Qt::Key_PageUp:
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        return;
    case Qt::Key_PageDown:
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        return;
    case Qt::Key_Plus:
        zoomIn();
        return;
    case Qt::Key_Minus:
        zoomOut();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

bool LargePictureWindow::eventFilter(QObject* watched, QEvent* event)
{
    const bool picture = watched == m_picChild;
    const bool fitted = watched == m_image1;
    if ((picture || fitted) && event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            close();
            return true;
        }
    }
    if ((picture || fitted) && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (picture)
            zoomOut();
        else
            zoomIn();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
