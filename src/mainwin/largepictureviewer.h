#pragma once

#include <QString>

class ErrorReporter;
class IMainView;

// What the advertisement and series handlers ask of the full-screen picture viewer frmScroll. Touching it
// loads it when it is not loaded.
class ILargePictureViewer {
public:
    virtual ~ILargePictureViewer() = default;

    virtual bool isLoaded() const = 0;
    // Closes and forgets the viewer; the main window is shown again.
    virtual void unload() = 0;
    // Full screen, the picture hidden and moved to (0, 0).
    virtual void prepare() = 0;
    virtual void setCaption(const QString& caption) = 0;
    // Hides the scroll bars and loads the picture (a media path); false when it cannot be read.
    virtual bool loadPicture(const QString& mediaPath) = 0;
    // Places Image1, lays the viewer out, shows the scrolling view and the window (modeless).
    virtual void finishShowing() = 0;
};

// The one "show a large picture" sequence: prepares the viewer, captions it and loads the picture (a media
// path). A picture that cannot be read unloads the viewer (no hidden full-screen window stays behind) and
// reports errorCode. Either way the busy pointer goes first. Returns whether the viewer is shown.
bool showLargePictureOrReport(ILargePictureViewer& viewer, IMainView& view, const QString& caption,
                              const QString& mediaPath, ErrorReporter& reporter, const QString& errorCode);
