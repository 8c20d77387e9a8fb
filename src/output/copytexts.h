#pragma once

#include <QString>

#include "platform/filesystem.h"

// The texts of the hard-disk copy and removal, and the number pattern they use.
namespace copytexts {

// x with the pattern "###,###,###": groups of three digits split by commas, no leading zeros; 0 is empty.
QString formatF(qint64 x);

// The refusal when available bytes are fewer than needed.
QString notEnoughSpace(qint64 available, qint64 needed);

inline const QString kDiskQueryFailed = QStringLiteral("Internal GetDisk error!");
inline const QString kCopyAgain =
    QStringLiteral("These files have already been copied\r\nto your hard drive.\r\n\r\n"
                   "Would you like to copy them again?");
inline const QString kPhotosCopied = QStringLiteral("Photos successfully copied!\r\n");
inline const QString kMoviesCopied = QStringLiteral("Movies successfully copied!\r\n");
// The closing message after a copy in which some files failed.
QString copyIncomplete(bool photos, int failed, int total);
// One file that failed for a reason of its own; the copy goes on with the next.
QString fileFailed(const QString& name, const QString& reason);
// The one message of a copy that met a failure every further file would meet too (a full disk, a read-only
// file system, a folder that may not be written): what happened and how many files are on the disk.
QString copyStopped(bool photos, FileFailure kind, const QString& reason, int copied, int total,
                    const QString& folder);
// The copied files could not be put on the disk at the end.
QString syncFailed(bool photos, const QString& reason, const QString& folder);
// The disc held nothing of the kind.
QString nothingToCopy(bool photos);
// The folder for the copy could not be made.
QString folderNotMade(const QString& folder, const QString& reason);

inline const QString kAskRemovePhotos =
    QStringLiteral("Would you like to remove all Zephane Folarium photos from your hard drive?");
inline const QString kPhotosRemoved =
    QStringLiteral("All Photos Successfully Removed!\r\n\r\nYou must now exit and re-enter the Zephane "
                   "Folarium to allow \r\n"
                   "the software to find the photos on the cdrom drive.\r\n\r\nYou must also re-install the "
                   "Zephane Folarium "
                   "Screen Saver \r\nif you have previously installed it.");
inline const QString kAskRemoveMovies =
    QStringLiteral("Would you like to remove all Zephane Folarium movies from your hard drive?");
inline const QString kMoviesRemoved = QStringLiteral("All movies successfully removed!");
// A removal that left files behind, with the first reason the system gave.
QString removalIncomplete(bool photos, int left, const QString& folder, const QString& reason);
// The copy's folder could not be read (or leads out of the program's folder): nothing was removed.
QString removalFailed(bool photos, const QString& folder, const QString& reason);
// The program reads its media from the folder the copies would be removed from ("HWI").
QString removalRefusedMediaRoot(bool photos, const QString& folder);

} // namespace copytexts
