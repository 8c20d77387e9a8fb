#pragma once

#include <QString>

// The few media names the photo index and the main window need. Kept together so that they can move to the
// shared file-name rules in one step.
namespace photonames {

// The folder tag that every photo path holds: root + "\zephanes\" + NAME.
inline const QString kPhotoTag = QStringLiteral("\\zephanes\\");
inline const QString kPhotoPattern = QStringLiteral("\\zephanes\\*.jpg");
inline const QString kClipArtFolder = QStringLiteral("\\clipart\\");
inline const QString kClipArtPattern = QStringLiteral("\\clipart\\*.jpg");
// Caption texts of collection photos: MediaRoot + "\RichText\" + photo name without extension + ".rtf".
inline const QString kRichTextFolder = QStringLiteral("\\RichText\\");
// The screen saver's photo selection folder under the program folder, and its emblem stand-in.
inline const QString kSaverFolder = QStringLiteral("\\sszephs\\");
inline const QString kSaverEmblem = QStringLiteral("Z5EMBLEM.jpg");

} // namespace photonames
