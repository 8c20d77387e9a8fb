#pragma once

#include <QStringList>

#include "catalog/catalogue.h"
#include "catalog/photoview.h"

// What entry selection needs from the main window besides the photo: the entry panel, the content and year
// buttons, the picture panels and the pointer.
class IMainView : public IPhotoView {
public:
    // panYear's caption.
    virtual void setEntryCaption(const QString& text) = 0;
    virtual void setContentButtonEnabled(catalogue::ContentButton button, bool enabled) = 0;
    virtual bool contentButtonEnabled(catalogue::ContentButton button) const = 0;
    virtual void setContentButtonCaption(catalogue::ContentButton button, const QString& caption) = 0;
    virtual void setYearButtonEnabled(int index, bool enabled) = 0;
    // SpinButton1, panPhoto and panYear become visible.
    virtual void showEntryControls() = 0;
    // The menu item that shows the photo's file name.
    virtual void setFileNamesMenuEnabled(bool enabled) = 0;
    virtual void setPhotoVisible(bool visible) = 0;
    virtual bool picturePanelVisible(catalogue::PicturePanel panel) const = 0;
    virtual void setPicturePanelVisible(catalogue::PicturePanel panel, bool visible) = 0;
    virtual void setMainWindowEnabled(bool enabled) = 0;
    // The hourglass pointer on or off.
    virtual void setBusy(bool busy) = 0;
    // Photos (media paths) likely to be shown next: decode them ahead.
    virtual void preloadPhotos(const QStringList& mediaPaths) = 0;

    // The file-name menu item's caption and the txtFile box (shown in front, or hidden).
    virtual void setFileNamesMenuCaption(const QString& caption) = 0;
    virtual void setFileNameVisible(bool visible) = 0;
    // Brings rtbDetails in front of the photo and the pictures laid over it.
    virtual void raiseDetails() = 0;
};
