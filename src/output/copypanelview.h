#pragma once

#include <QString>

// What the copy controller shows on the copy panel pnlProgress.
class ICopyPanelView {
public:
    virtual ~ICopyPanelView() = default;
    // Label2 and cmdCopy's caption; places the panel over the year strip.
    virtual void prepare(const QString& title, const QString& copyCaption) = 0;
    virtual void setPanelVisible(bool visible) = 0;
    // cmdCopy and cmdCancel together.
    virtual void setButtonsEnabled(bool enabled) = 0;
    virtual void focusCancel() = 0;
    virtual void setFileText(const QString& path) = 0; // Text1
    // A bar's fill, its caption the same whole number.
    virtual void setFileBar(int percent) = 0;    // ProgressGuage
    virtual void setOverallBar(int percent) = 0; // ProgressGuage2
};
