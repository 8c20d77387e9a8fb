#pragma once

#include <map>

#include <QObject>

#include "mainwin/entrypictureview.h"

class EntryPictures;
class IMainFrame;
class IClipboard;
class MediaFiles;
class QLabel;

// The five picture boxes over the main photo (picEmblem, picEmbSide, picEmbRear, picScript, picClipArt):
// borderless labels that size themselves to their picture. Clicks go to EntryPictures.
class EntryPictureBoxes final : public QObject, public IEntryPictureView {
    Q_OBJECT
public:
    static const QString kToolTip;

    EntryPictureBoxes(IMainFrame& frame, const MediaFiles& files, IClipboard& clipboard);

    void setController(EntryPictures* controller) { m_controller = controller; }
    QLabel* box(catalogue::PicturePanel panel) const;

    bool loadPicture(catalogue::PicturePanel box, const QString& mediaPath) override;
    QSize pictureSize(catalogue::PicturePanel box) const override;
    void placePicture(catalogue::PicturePanel box, QPoint topLeft) override;
    bool pictureVisible(catalogue::PicturePanel box) const override;
    void setPictureVisible(catalogue::PicturePanel box, bool visible) override;
    void copyPictureToClipboard(catalogue::PicturePanel box) override;
    QRect photoArea() const override;
    QRect yearStripArea() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    IMainFrame& m_frame;
    const MediaFiles& m_files;
    IClipboard& m_clipboard;
    EntryPictures* m_controller = nullptr;
    std::map<catalogue::PicturePanel, QLabel*> m_boxes;
};
