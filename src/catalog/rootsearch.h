#pragma once

#include <functional>

#include <QString>

#include "catalog/errorreporter.h"

struct MediaRoots;
class MediaFiles;

// Decides MediaRoot and PhotoRoot at start-up: the "HWI" switch, the program-folder photo copy and the
// drive probe D to Z, with ER001's Retry and Cancel.
class RootSearch {
public:
    static constexpr const char* kDriveOrder = "DEFGHIJKLMNOPQRSTUVWXYZ";

    RootSearch(MediaRoots& roots, const MediaFiles& files, ErrorReporter& reporter);

    // Runs before ER001 is shown (the splash stops its timer and closes).
    void setBeforeFailureReport(std::function<void()> hook) { m_beforeReport = std::move(hook); }

    // commandLine: the program's arguments taken as one text. Returns false when the user cancelled and the
    // program was told to end.
    bool run(const QString& commandLine);

    static bool isSwitch(const QString& commandLine) { return commandLine == QLatin1String("HWI"); }

private:
    bool holdsPhotos(const QString& root) const;

    MediaRoots& m_roots;
    const MediaFiles& m_files;
    ErrorReporter& m_reporter;
    std::function<void()> m_beforeReport;
};
