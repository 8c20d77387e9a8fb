#pragma once

#include <QString>

// Where the media are read from. Paths are formed as root + "\folder\" + name (see MediaFiles).
struct MediaRoots {
    QString mediaRoot;      // "E:" after the drive search, the program folder with the switch
    QString photoRoot;      // where the photo index is read; the program folder when it holds a photo copy
    QString programFolder;  // the folder the program runs from, without a trailing separator
};
