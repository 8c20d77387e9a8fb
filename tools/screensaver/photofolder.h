#pragma once

#include <QString>
#include <QStringList>

class MediaFiles;

// The folder of photos "ZephPath" names, in the program's own path form ("E:\zephanes\" on a drive, or the
// program folder followed by "\sszephs\"), any letter case; a plain Linux folder path is taken as it is.
struct PhotoFolder {
    QString folder;     // the real folder, empty when it cannot be found
    QStringList photos; // real paths of the JPEG photos, sorted by name without regard to case
    QString problem;    // empty when there is at least one photo

    static PhotoFolder find(const QString& zephPath, const MediaFiles& files);
};
