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

    // The main window's side of the slide show's hand-over (HandOverSlide), filled by the main window module.
    // The slide show calls them in this order and writes SelectionState (entryText, entryCode after
    // refreshEntryPictures, currentYearIndex) and PhotoStepState itself.
    struct SlideHandOver {
        // Loads the photo (a media path) into Image4; false, with nothing else changed, when it cannot.
        std::function<bool(const QString& mediaPath)> showPhoto;
        // panPhoto's caption.
        std::function<void(const QString& number)> setPhotoNumber;
        // panYear's caption becomes SelectionState::entryText; panYear and Image4 become visible.
        std::function<void()> showEntryLabel;
        // txtFile's text (whether it is shown stays the main window's choice).
        std::function<void(const QString& text)> setFileName;
        // cmdStats' caption ("Statistics", "Features").
        std::function<void(const QString& caption)> setStatsCaption;
        // Enables year button cmdYR(index) and gives it the keyboard focus.
        std::function<void(int index)> focusYearButton;
    } slideHandOver;

    // Document viewer
    std::function<void()> closeDocumentViewer;
    // Slide show
    // Closes frmSlide (timers stopped) without a question; does nothing when it is not open.
    std::function<void()> closeSlideShow;
    // Screen-saver photo list (filled by the output module)
    std::function<void()> showSaverList;
    std::function<void()> closeSaverList;
    std::function<void()> refreshSaverButtons;
};
