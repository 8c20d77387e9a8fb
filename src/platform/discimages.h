#pragma once

#include <QString>

// Disc images opened as folders: mounted read-only, without root, for as long as the program runs.
class IDiscImages {
public:
    struct Mounted {
        QString folder; // where the image's files are read; empty when it could not be mounted
        QString error;  // why not, in words for the user
    };

    virtual ~IDiscImages() = default;
    // Mounts the image (or takes over its mount left by an earlier run of the program) and returns the
    // folder. Asking again for an image this run has mounted returns the same folder.
    virtual Mounted mount(const QString& imagePath) = 0;
    // Unmounts the image if this run mounted it (one that turned out to hold no media).
    virtual void release(const QString& imagePath) = 0;
    // Unmounts every image this run mounted.
    virtual void releaseAll() = 0;
};
