#pragma once

#include <QString>

#include "catalog/mediarules.h"

// The few media names the photo index and the main window need, taken from the file-name rules.
namespace photonames {

// The folder tag that every photo path holds: root + "\zephanes\" + NAME.
inline const QString kPhotoTag = mediarules::folder::kZephanes;
inline const QString kPhotoPattern = mediarules::photoPattern().relative();
inline const QString kClipArtFolder = mediarules::folder::kClipArtSlides;
inline const QString kClipArtPattern = mediarules::clipArtSlidePattern().relative();
// Caption texts of collection photos: MediaRoot + "\RichText\" + photo name without extension + ".rtf".
inline const QString kRichTextFolder = mediarules::folder::kRichText;
// The screen saver's photo selection folder under the program folder, and its emblem stand-in.
inline const QString kSaverFolder = mediarules::folder::kSaverSelection;
inline const QString kSaverEmblem = mediarules::defaultSaverPicture().name;

} // namespace photonames
