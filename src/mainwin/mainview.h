#pragma once

#include <QSize>
#include <QStringList>

#include "catalog/catalogue.h"
#include "catalog/photoview.h"

// The main window's roles, each a few methods, so that a controller asks only for the role it uses and a
// test fakes only that role. MainWindow plays them all (IMainView).

// The content buttons (cmdDesc ... cmdNostalgia).
class IContentButtons {
public:
    virtual ~IContentButtons() = default;
    virtual void setContentButtonEnabled(catalogue::ContentButton button, bool enabled) = 0;
    virtual bool contentButtonEnabled(catalogue::ContentButton button) const = 0;
    virtual void setContentButtonCaption(catalogue::ContentButton button, const QString& caption) = 0;
};

// What shows the chosen entry: panYear, the year buttons, the spin button and counters, the photo's
// visibility and the picture boxes over it.
class IEntryDisplay {
public:
    virtual ~IEntryDisplay() = default;
    // panYear's caption.
    virtual void setEntryCaption(const QString& text) = 0;
    virtual void setYearButtonEnabled(int index, bool enabled) = 0;
    // SpinButton1, panPhoto and panYear become visible.
    virtual void showEntryControls() = 0;
    virtual void setPhotoVisible(bool visible) = 0;
    virtual bool picturePanelVisible(catalogue::PicturePanel panel) const = 0;
    virtual void setPicturePanelVisible(catalogue::PicturePanel panel, bool visible) = 0;
    // Photos (media paths) likely to be shown next: decode them ahead.
    virtual void preloadPhotos(const QStringList& mediaPaths) = 0;
};

// The window as a whole: enabled or not, the hourglass pointer, the file-name menu item and box, and
// rtbDetails' stacking.
class IWindowState {
public:
    virtual ~IWindowState() = default;
    virtual void setMainWindowEnabled(bool enabled) = 0;
    // The hourglass pointer on or off.
    virtual void setBusy(bool busy) = 0;
    // The menu item that shows the photo's file name: enabled, and its caption.
    virtual void setFileNamesMenuEnabled(bool enabled) = 0;
    virtual void setFileNamesMenuCaption(const QString& caption) = 0;
    // The txtFile box, shown in front, or hidden.
    virtual void setFileNameVisible(bool visible) = 0;
    // Brings rtbDetails in front of the photo and the pictures laid over it.
    virtual void raiseDetails() = 0;
    // Sizes rtbDetails and places it beside cmdAd, at the photo's top.
    virtual void placeDetailsBesideAdButton(QSize size) = 0;
};

// All the roles together: what the entry panels are given.
class IMainView : public IPhotoView, public IContentButtons, public IEntryDisplay, public IWindowState {};
