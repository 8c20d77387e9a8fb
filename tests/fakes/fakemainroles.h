#pragma once

#include <map>
#include <set>

#include <QStringList>

#include "mainwin/mainview.h"

// Scripted stand-ins for the main window's roles other than the photo (see photoindex/fakephotoview.h).

// The content buttons: enabled and caption per button; all start enabled with no caption.
class FakeContentButtons final : public IContentButtons {
public:
    void setContentButtonEnabled(catalogue::ContentButton b, bool on) override { enabled[b] = on; }
    bool contentButtonEnabled(catalogue::ContentButton b) const override
    {
        return !enabled.count(b) || enabled.at(b);
    }
    void setContentButtonCaption(catalogue::ContentButton b, const QString& c) override { captions[b] = c; }

    std::map<catalogue::ContentButton, bool> enabled;
    std::map<catalogue::ContentButton, QString> captions;
};

// panYear, year buttons, the entry controls, the photo's visibility and the picture boxes.
class FakeEntryDisplay final : public IEntryDisplay {
public:
    void setEntryCaption(const QString& text) override { caption = text; }
    void setYearButtonEnabled(int i, bool on) override
    {
        on ? (void)disabledYears.erase(i) : (void)disabledYears.insert(i);
    }
    void showEntryControls() override { controlsShown = true; }
    void setPhotoVisible(bool v) override { photoVisible = v; }
    bool picturePanelVisible(catalogue::PicturePanel p) const override { return visiblePanels.count(p) != 0; }
    void setPicturePanelVisible(catalogue::PicturePanel p, bool v) override
    {
        v ? (void)visiblePanels.insert(p) : (void)visiblePanels.erase(p);
    }
    void preloadPhotos(const QStringList& paths) override { preloaded = paths; }

    QString caption;
    std::set<int> disabledYears;
    bool controlsShown = false;
    bool photoVisible = true;
    std::set<catalogue::PicturePanel> visiblePanels;
    QStringList preloaded;
};

// The window's state; counts the hourglass so that a test can see it switched off as often as on.
class FakeWindowState final : public IWindowState {
public:
    void setMainWindowEnabled(bool on) override { enabled = on; }
    void setBusy(bool on) override
    {
        busy = on;
        (on ? busyOn : busyOff)++;
    }
    void setFileNamesMenuEnabled(bool on) override { fileNamesMenuEnabled = on; }
    void setFileNamesMenuCaption(const QString& c) override { fileNamesMenuCaption = c; }
    void setFileNameVisible(bool v) override { fileNameVisible = v; }
    void raiseDetails() override {}
    void placeDetailsBesideAdButton(QSize) override {}

    bool enabled = true;
    bool busy = false;
    int busyOn = 0;
    int busyOff = 0;
    bool fileNamesMenuEnabled = false;
    QString fileNamesMenuCaption;
    bool fileNameVisible = false;
};
