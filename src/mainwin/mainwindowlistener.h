#pragma once

#include "catalog/catalogue.h"

// The three keys of a year button that do more than a click: space chooses the year before any entry was
// chosen, comma and period (with or without Shift) step the photo back and forward.
enum class YearKey { Space, Comma, Period };

// What the main window announces: every click, key and close of its own controls. The window decides
// nothing; MainController answers each.
class IMainWindowListener {
public:
    virtual ~IMainWindowListener() = default;

    virtual void yearButtonClicked(int index) = 0;
    // Returns whether the key was taken (space only before any entry was chosen).
    virtual bool yearButtonKey(int index, YearKey key) = 0;
    virtual void StepPhotoForward() = 0;
    virtual void StepPhotoBack() = 0;
    virtual void backgroundClicked() = 0;
    virtual void photoClicked(bool rightButton) = 0;
    virtual void contentButtonClicked(catalogue::ContentButton button) = 0;
    virtual void detailsClicked() = 0;  // rtbDetails
    virtual void fileNameClicked() = 0; // txtFile
    virtual void reloadArray() = 0;     // the "Reload Array" button
    virtual void focusLost() = 0;
    // The close query; returns whether the window may close.
    virtual bool confirmExit() = 0;
};
