#pragma once

#include <functional>

#include <QPointer>
#include <QSize>

#include "mainwin/largepictureviewer.h"

#include "mainwin/ui/largepicturewindow.h"
class MediaFiles;
class QWidget;

// The program's one large-picture viewer: loads frmScroll on first use, forgets it when it closes and then
// shows the main window again.
class LargePictureHost final : public ILargePictureViewer {
public:
    // entryLabel answers the current entry's text; screen is in pixels.
    LargePictureHost(QWidget& mainWindow, const MediaFiles& files, std::function<QString()> entryLabel,
                     QSize screen);
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

    QWidget& m_mainWindow;
    const MediaFiles& m_files;
    std::function<QString()> m_entryLabel;
    QSize m_screen;
    QPointer<LargePictureWindow> m_viewer;
};
