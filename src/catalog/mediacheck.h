#pragma once

#include <vector>

#include <QString>
#include <QStringList>

#include "catalog/mediarules.h"

class MediaFiles;

// What --check-media found in a media tree: every file the program opens by a fixed rule, the caption texts
// of the collection photos present, and the entries without any photo.
struct MediaCheckReport {
    enum class Status { Ok, Missing, OptionalMissing };
    struct Line {
        Status status;
        mediarules::ExpectedFile file;
    };

    std::vector<Line> lines;
    QStringList entriesWithoutPhoto;  // entry texts, in catalogue order
    int ok = 0;
    int missing = 0;
    int optionalMissing = 0;

    // "ok media RichText/63desc.rtf", ..., "no-photo <entry>", then the summary line.
    QStringList text() const;
    // 0 when nothing required is missing, 1 otherwise.
    int exitCode() const { return missing == 0 ? 0 : 1; }
};

// Checks a media tree the way the program looks files up (case-insensitively, through MediaFiles). Photos are
// read under the media root; program-folder files under programFolder. Roots are written the program's way
// (a folder or a drive designator).
MediaCheckReport checkMedia(const MediaFiles& files, const QString& mediaRoot, const QString& programFolder);

// The photo-caption files the program may read for the given photo names (upper-cased file names in
// "\zephanes\"): one per photo of a collection that shows per-photo texts.
std::vector<mediarules::ExpectedFile> photoCaptionFiles(const QStringList& photoNames);
