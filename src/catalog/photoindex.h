#pragma once

#include <QString>
#include <QStringList>

class ErrorReporter;
class MediaFiles;
struct MediaRoots;

// The sorted photo and clip-art index. Positions are 1-based as the rest of the program counts them; the
// element after the last photo exists and is empty. Counts are plain ints, so any number of photos works.
struct PhotoIndex {
    QStringList photoFiles;   // PhotoFiles(1..n+1) held at [0..n]
    QStringList photoNumbers; // ordinal of each photo within its entry, "1", "2", ...
    QStringList clipArtFiles; // ClipArtFiles(1..m+1) held at [0..m]

    int photoCount() const { return photoFiles.isEmpty() ? 0 : int(photoFiles.size()) - 1; }
    int clipArtCount() const { return clipArtFiles.isEmpty() ? 0 : int(clipArtFiles.size()) - 1; }

    // Element i (1-based); empty outside 1..count+1.
    QString photoFile(int i) const;
    QString photoNumber(int i) const;
    QString clipArtFile(int i) const;

    // Where the name begins in every photo path: just after "\zephanes\" in PhotoFiles(1); -1 when absent.
    int nameStart() const;
    // The entry code of photo i (two characters after the folder tag) and its shown name (at most 12).
    QString codeOf(int i, int nameStart) const;
    QString displayNameOf(int i, int nameStart) const;
};

// Builds the photo half of the index from the names as listed: upper-cased, sorted by character code,
// numbered per two-character prefix, then prefixed with photoRoot + "\zephanes\".
void buildPhotoIndex(PhotoIndex& index, const QStringList& listedNames, const QString& photoRoot);
// Builds the clip-art half: names kept as listed, sorted, prefixed with mediaRoot + "\clipart\".
void buildClipArtIndex(PhotoIndex& index, const QStringList& listedNames, const QString& mediaRoot);

// Lists the photo and clip-art folders and builds the index. A root that cannot be reached reports ER037
// with Retry (repeat that step) and Cancel (the program ends; returns false). The stepping state is not
// touched.
bool LoadPhotoIndex(PhotoIndex& index, const MediaRoots& roots, const MediaFiles& files,
                    ErrorReporter& reporter);
