#pragma once

// What the screen-saver photo list controller sets on its window frmSSPhoto.
class ISaverListView {
public:
    virtual ~ISaverListView() = default;
    virtual void setAddEnabled(bool enabled) = 0;       // SSCommand7
    virtual void setRemoveEnabled(bool enabled) = 0;    // SSCommand8
    virtual void setRemoveAllEnabled(bool enabled) = 0; // SSCommand2
    virtual void setBar(double percent) = 0;            // ProgressGuage
};
