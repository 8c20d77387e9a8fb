#pragma once

#include <QString>

// The error codes, named by the failure they stand for. Every procedure that can fail sets one of these;
// errors::messageFor() turns a code into its message. No code is written as a bare literal elsewhere.
namespace errc {
inline const QString kNoMediaDisc = QStringLiteral("ER001");          // start-up: no drive holds the photos
inline const QString kDescription = QStringLiteral("ER002");          // cmdDesc, a collection photo's caption
inline const QString kVideoInstaller = QStringLiteral("ER003");       // mnuVideo, the movie window's Help
inline const QString kLibraryBooks = QStringLiteral("ER004");         // mnuADs, mnuBooks
inline const QString kLibraryCatalogs = QStringLiteral("ER005");      // mnuCatalogs
inline const QString kLibraryEngines = QStringLiteral("ER006");       // mnuEngines
inline const QString kLibraryIntro = QStringLiteral("ER007");         // mnuIntro
inline const QString kLibraryArticles = QStringLiteral("ER008");      // mnuArticles, mnuTazura1, mnuMag
inline const QString kMuseumMenu = QStringLiteral("ER009");           // mnuMus
inline const QString kLibraryCredits = QStringLiteral("ER010");       // mnuCredits
inline const QString kStepPhotoBack = QStringLiteral("ER011");
inline const QString kStepPhotoForward = QStringLiteral("ER012");
inline const QString kSlideJumpBack = QStringLiteral("ER013");
inline const QString kSlideStepForward = QStringLiteral("ER014");
inline const QString kSlideStepBack = QStringLiteral("ER015");
inline const QString kSlidePhotoTick = QStringLiteral("ER016");
inline const QString kSlideHandOver = QStringLiteral("ER017");
inline const QString kSlideJumpForward = QStringLiteral("ER018");
inline const QString kSlideClipArtTick = QStringLiteral("ER019");
inline const QString kScript = QStringLiteral("ER021");
inline const QString kNoseEmblem = QStringLiteral("ER022");
inline const QString kEntryPhoto = QStringLiteral("ER023");
inline const QString kClipArtPanel = QStringLiteral("ER024");
inline const QString kLibraryNotice = QStringLiteral("ER025");        // mnuNotice
inline const QString kOptions = QStringLiteral("ER026");
inline const QString kStatistics = QStringLiteral("ER027");
inline const QString kUnused028 = QStringLiteral("ER028");            // in the table's range, used by nothing
inline const QString kColors = QStringLiteral("ER029");               // cmdColors, the series' document
inline const QString kSoundFile = QStringLiteral("ER032");            // names the sound file in its message
inline const QString kClipArtButton = QStringLiteral("ER035");
inline const QString kYearRangeReversed = QStringLiteral("ER036");
inline const QString kPhotoIndex = QStringLiteral("ER037");
inline const QString kSoundEffect = QStringLiteral("ER038");
inline const QString kSlideModeChange = QStringLiteral("ER039");
inline const QString kPrintBooklet = QStringLiteral("ER040");
inline const QString kRearEmblem = QStringLiteral("ER041");
inline const QString kSideEmblem = QStringLiteral("ER042");
inline const QString kLibraryTimeline = QStringLiteral("ER043");      // mnuTimeLine
inline const QString kAdvertisement = QStringLiteral("ER044");        // cmdAd, the series' large picture
inline const QString kMovie = QStringLiteral("ER045");
inline const QString kSaverProgram = QStringLiteral("ER049");
inline const QString kLibraryIdGuide = QStringLiteral("ER050");       // MnuIDZeph
inline const QString kLibraryGlossary = QStringLiteral("ER051");      // mnuGlossary
inline const QString kSaverHelp = QStringLiteral("ER052");
inline const QString kLibraryContributions = QStringLiteral("ER053"); // mnuContrib
inline const QString kTopTenMenu = QStringLiteral("ER054");
inline const QString kMovieListing = QStringLiteral("ER055");         // listing the disc's movies; start-up sound
inline const QString kLibraryWhatsNew = QStringLiteral("ER056");      // mnuWhatsNew
inline const QString kMiscellanyMenu = QStringLiteral("ER058");
inline const QString kBookletYearsMissing = QStringLiteral("ER059");
}  // namespace errc
