#include "mainwin/ui/entrypictureboxes.h"

#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>

#include "catalog/mediafiles.h"
#include "mainwin/entrypictures.h"
#include "platform/clipboard.h"
#include "shared/ui/mainframe.h"

using namespace catalogue;

const QString EntryPictureBoxes::kToolTip = QStringLiteral("Click the Right mouse button to copy");

namespace {
struct BoxName {
    PicturePanel panel;
    const char* name;
    const char* accessible;
};
const BoxName kBoxes[] = {
    {PicEmblem, "picEmblem", "Nose emblem"},   {PicEmbSide, "picEmbSide", "Side emblem"},
    {PicEmbRear, "picEmbRear", "Rear emblem"}, {PicScript, "picScript", "Script"},
    {PicClipArt, "picClipArt", "Clip art"},
};
// Emblems and clip art are small; a larger file is refused rather than exhausting memory.
constexpr int kMaxPictureMegabytes = 256;
} // namespace

EntryPictureBoxes::EntryPictureBoxes(IMainFrame& frame, const MediaFiles& files, IClipboard& clipboard)
    : QObject(frame.panelParent()), m_frame(frame), m_files(files), m_clipboard(clipboard)
{
    for (const BoxName& b : kBoxes) {
        auto* label = new QLabel(frame.panelParent());
        label->setObjectName(QLatin1String(b.name));
        label->setAccessibleName(QLatin1String(b.accessible));
        label->setToolTip(kToolTip);
        label->setFrameStyle(QFrame::NoFrame);
        label->setFocusPolicy(Qt::ClickFocus);
        label->setAttribute(Qt::WA_NoMousePropagation);
        label->hide();
        label->installEventFilter(this);
        m_boxes[b.panel] = label;
    }
}

QLabel* EntryPictureBoxes::box(PicturePanel panel) const
{
    const auto it = m_boxes.find(panel);
    return it == m_boxes.end() ? nullptr : it->second;
}

bool EntryPictureBoxes::loadPicture(PicturePanel panel, const QString& mediaPath)
{
    const std::optional<QString> real = m_files.resolve(mediaPath);
    if (!real)
        return false;
    QImageReader reader(*real);
    reader.setAllocationLimit(kMaxPictureMegabytes);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    QLabel* label = box(panel);
    label->setPixmap(QPixmap::fromImage(image));
    label->resize(image.size()); // auto-size
    return true;
}

QSize EntryPictureBoxes::pictureSize(PicturePanel panel) const
{
    return box(panel)->size();
}

void EntryPictureBoxes::placePicture(PicturePanel panel, QPoint topLeft)
{
    QLabel* label = box(panel);
    label->move(topLeft);
    label->raise();
}

bool EntryPictureBoxes::pictureVisible(PicturePanel panel) const
{
    return !box(panel)->isHidden();
}

void EntryPictureBoxes::setPictureVisible(PicturePanel panel, bool visible)
{
    box(panel)->setVisible(visible);
}

void EntryPictureBoxes::copyPictureToClipboard(PicturePanel panel)
{
    m_clipboard.clear();
    const QPixmap pm = box(panel)->pixmap();
    if (!pm.isNull())
        m_clipboard.setImage(pm.toImage());
}

QRect EntryPictureBoxes::photoArea() const
{
    return m_frame.photoRect();
}

QRect EntryPictureBoxes::yearStripArea() const
{
    return m_frame.yearStripRect();
}

bool EntryPictureBoxes::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_controller)
        return QObject::eventFilter(watched, event);
    for (const auto& [panel, label] : m_boxes) {
        if (watched != label)
            continue;
        if (event->type() == QEvent::MouseButtonPress) {
            m_controller->pictureMouseDown(panel,
                                           static_cast<QMouseEvent*>(event)->button() == Qt::RightButton);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_controller->pictureClicked(panel);
            return true;
        }
        break;
    }
    return QObject::eventFilter(watched, event);
}
