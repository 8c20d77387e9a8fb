#pragma once

#include <QString>

// What photo stepping needs from the main window: the photo, its number and name, the caption text box and
// the year buttons' focus. Geometry is in main-window pixels.
class IPhotoView {
public:
    virtual ~IPhotoView() = default;

    // Loads the photo (a media path) into Image4 and shows it; false when it cannot be loaded.
    virtual bool showPhoto(const QString& mediaPath) = 0;
    virtual void hidePhoto() = 0;
    // panPhoto's caption.
    virtual void setPhotoNumber(const QString& number) = 0;
    virtual QString photoNumber() const = 0;
    // txtFile's text (shown only while file names are switched on).
    virtual void setPhotoFileName(const QString& name) = 0;

    // Enables year button i and gives it the keyboard focus.
    virtual void focusYearButton(int index, bool enableFirst) = 0;

    // rtbDetails: loads a rich-text media file (false when it cannot), shows it, and places it.
    virtual bool detailsVisible() const = 0;
    virtual bool loadDetails(const QString& mediaPath) = 0;
    virtual void setDetailsVisible(bool visible) = 0;
    // Places rtbDetails for a collection photo's caption text: beside cmdAd, or, for the Top Ten, at the
    // portrait with that photo number. The window owns the geometry.
    virtual void placeCaptionBox(bool topTen, const QString& photoNumber) = 0;
};
