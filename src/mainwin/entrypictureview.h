#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include "catalog/catalogue.h"

// The five picture boxes laid over the main photo (emblems, script badge, clip art). Each sizes itself to the
// picture it loads. Geometry is in main-window pixels.
class IEntryPictureView {
public:
    virtual ~IEntryPictureView() = default;

    // Loads a picture (a media path) into the box; false when it cannot be read (the box keeps its picture).
    virtual bool loadPicture(catalogue::PicturePanel box, const QString& mediaPath) = 0;
    virtual QSize pictureSize(catalogue::PicturePanel box) const = 0;
    // Moves the box and brings it in front.
    virtual void placePicture(catalogue::PicturePanel box, QPoint topLeft) = 0;
    virtual bool pictureVisible(catalogue::PicturePanel box) const = 0;
    virtual void setPictureVisible(catalogue::PicturePanel box, bool visible) = 0;
    // Clears the clipboard, then puts the box's picture on it.
    virtual void copyPictureToClipboard(catalogue::PicturePanel box) = 0;
    // Image4 and Frame1.
    virtual QRect photoArea() const = 0;
    virtual QRect yearStripArea() const = 0;
};
