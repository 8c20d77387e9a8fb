#pragma once

#include "catalog/mediarules.h"

// The slide show's own state, shared with the main window. The slide cursor is PhotoStepState::photoPosition
// and the picture refresh request is SelectionState::refreshPending; both are shared with photo stepping.
struct SlideState {
    using Mode = mediarules::SlideMode;

    int folderNamePos = 0; // photos/clip art: where the folder name starts in a path; emblems: slide number
    int shownPhoto = 0;    // Photos mode: the index of the photo on display; 0 while the title picture shows
    long slideInterval = 1000; // milliseconds; shared with the screen-saver installation
    bool slideShowPlaying = false;
    Mode mode = Mode::Photos; // the selected mode button
};
