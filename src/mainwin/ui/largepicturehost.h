#pragma once

#include <functional>

#include <QPointer>
#include <QRect>

#include "mainwin/largepictureviewer.h"
#include "mainwin/ui/largepicturewindow.h"

class IMainFrame;
class MediaFiles;

// The program's one large-picture viewer: loads frmScroll on first use, forgets it when it closes and then
// tells its owner (who shows the main window again).
class LargePictureHost final : public ILargePictureViewer {
public:
    // entryLabel answers the current entry's text; screenArea is the screen's available area in pixels.
    LargePictureHost(IMainFrame& frame, const MediaFiles& files, std::function<QString()> entryLabel,
                     QRect screenArea, std::function<void()> afterUnload);
    ~LargePictureHost() override;

    bool isLoaded() const override { return !m_viewer.isNull(); }
    void unload() override;
    void prepare() override;
    void setCaption(const QString& caption) override;
    bool loadPicture(const QString& mediaPath) override;
    void finishShowing() override;

    LargePictureWindow* viewer() const { return m_viewer.data(); }

private:
    LargePictureWindow& loaded();

    IMainFrame& m_frame;
    const MediaFiles& m_files;
    std::function<QString()> m_entryLabel;
    QRect m_screenArea;
    std::function<void()> m_afterUnload;
    QPointer<LargePictureWindow> m_viewer;
};
