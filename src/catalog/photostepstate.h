#pragma once

#include <QString>

// Where photo stepping stands: the search cursor (also the slide show's cursor), the photo on display and
// the direction flags that keep alternating steps consistent.
struct PhotoStepState {
    int photoPosition = 0; // after a forward step: index of the photo on display; after a back step: minus 1
    int shownPhotoIndex = 0;  // index in PhotoFiles of the photo on display
    QString currentPhotoPath; // full media path of the photo on display
    bool firstPhotoShown = false;
    bool lastStepForward = false;
    bool lastStepBackward = false;
    bool showFileNames = false; // the photo's name is shown in txtFile
};
