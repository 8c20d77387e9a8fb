#pragma once

#include <QString>

// Where the media are read from. Paths are formed as root + "\folder\" + name (see MediaFiles).
struct MediaRoots {
    QString mediaRoot;      // "E:" after the drive search, the program folder with the switch
    QString photoRoot;      // where the photo index is read; the program folder when it holds a photo copy
    QString programFolder;  // the folder the program runs from, without a trailing separator
    // Where the program writes and reads back its own copies (photos, movies, the screen-saver photo list).
    // The program folder itself, unless the program is installed under a read-only prefix.
    QString programDataFolder;

    const QString& dataFolder() const { return programDataFolder.isEmpty() ? programFolder : programDataFolder; }
};
