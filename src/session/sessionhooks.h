#pragma once

#include <functional>

#include <QString>

// Effects one subsystem asks of another. The module that owns the effect fills its hook; the callers test
// for an empty hook and then do nothing, so a subsystem that is not built leaves the call without effect.
struct SessionHooks {
    // Main window (filled by the main window module)
    std::function<void()> focusNextYearButton;
    std::function<void(bool enabled)> setMainWindowEnabled;
    std::function<void()> refreshEntryPictures;
    // Selects an entry by its text as a menu would, then shows the photo with the given index of PhotoFiles
    // (0: the entry's first photo). Used by the slide show's hand-over.
    std::function<void(const QString& entryText, int photoIndex)> showEntryPhoto;

    // Document viewer
    std::function<void()> closeDocumentViewer;
    // Slide show
    std::function<void()> closeSlideShow;
    // Screen-saver photo list (filled by the output module)
    std::function<void()> showSaverList;
    std::function<void()> closeSaverList;
    std::function<void()> refreshSaverButtons;
};
