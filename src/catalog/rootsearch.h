#pragma once

#include <functional>

#include <QString>

#include "catalog/errorreporter.h"

struct MediaRoots;
class MediaFiles;
class MediaOpener;

// Decides MediaRoot and PhotoRoot at start-up: the "HWI" switch, the program-folder photo copy and the
// drive probe D to Z, then the media path that worked last time, with ER001's Retry and Cancel. A media path
// named on the command line (a folder or a disc image) replaces the drive probe.
class RootSearch {
public:
    static constexpr const char* kDriveOrder = "DEFGHIJKLMNOPQRSTUVWXYZ";

    RootSearch(MediaRoots& roots, const MediaFiles& files, ErrorReporter& reporter);

    // Runs before ER001 is shown (the splash stops its timer and closes).
    void setBeforeFailureReport(std::function<void()> hook) { m_beforeReport = std::move(hook); }
    // Opens named and remembered media paths; without it only the switch and the drives count.
    void setOpener(MediaOpener* opener) { m_opener = opener; }
    // A folder or disc image the user named: it is opened instead of probing the drives, and remembered.
    void setRequestedMedia(const QString& path) { m_requested = path; }

    // commandLine: the program's arguments taken as one text. Returns false when the user cancelled and the
    // program was told to end, or when the requested media path holds no media (see requestFailure()).
    bool run(const QString& commandLine);
    // Why the requested media path gave no media; empty after any other outcome.
    QString requestFailure() const { return m_requestFailure; }

    static bool isSwitch(const QString& commandLine) { return commandLine == QLatin1String("HWI"); }

private:
    bool holdsPhotos(const QString& root) const;
    void probeProgramCopy();
    void useMediaRoot(const QString& root);

    MediaRoots& m_roots;
    const MediaFiles& m_files;
    ErrorReporter& m_reporter;
    std::function<void()> m_beforeReport;
    MediaOpener* m_opener = nullptr;
    QString m_requested;
    QString m_requestFailure;
};
