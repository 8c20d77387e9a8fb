#pragma once

#include <QString>

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
// A removal that left files behind.
QString removalIncomplete(bool photos, int left, const QString& folder);

} // namespace copytexts
