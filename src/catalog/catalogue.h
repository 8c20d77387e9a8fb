#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

// The fixed list of entries: model years and collections, their exact texts, codes, menus and the content
// each one offers. Pure lookups; nothing here has state.
namespace catalogue {

// The caption panYear carries before any entry was chosen.
inline const QString kNoEntry = QStringLiteral("panYear");

constexpr int kYearButtonCount = 47;

// The menu arrays that select a collection.
enum class CollectionMenu { None, Specialty, Art, ZephStuff, Museums, Miscellany, TopTen };

struct Collection {
    QString text;          // exact entry text, trailing blanks included
    QString code;          // two characters that begin its photo names
    CollectionMenu menu;
    int menuIndex;         // index in the menu array (-1 for single items and slide-show-only entries)
    QString menuCaption;   // caption with its access-key ampersand
    int clickOrder;        // 1..32 in the photo-click walk, 0 when the walk never reaches it
};

const std::vector<Collection>& collections();
const Collection* findCollection(const QString& entryText);
const Collection* collectionByMenu(CollectionMenu menu, int index);
const Collection* collectionByClickOrder(int order);

// Model years ------------------------------------------------------------------------------------------
bool isModelYear(const QString& entryText);
// Year-button index 1..47 to the year text ("1953" ... "1982", "1984" ... "2000"); empty when out of range.
QString yearForIndex(int index);
// Year text to its button index, 0 when the text is no model year.
int indexForYear(const QString& yearText);
// The caption of year button i: four digits for buttons 1 and 25, the last two digits otherwise.
QString yearButtonCaption(int index);
// The button after the year whose two-character code is given ("53" ... "99", "A0"); used when stepping
// photos moves the focus.
int nextButtonForCode(const QString& code);
// The button that gets the focus after most actions: CurrentYearIndex + 1, or 1 after button 47.
int nextYearButton(int currentYearIndex);

// Entry codes ------------------------------------------------------------------------------------------
// The collection code for a listed text, else characters 3 and 4 with "00" made "A0".
QString entryCode(const QString& entryText);
// Characters 3 and 4 of a text, as the picture loaders take them before the code is resolved.
QString provisionalCode(const QString& entryText);

// Content buttons --------------------------------------------------------------------------------------
enum ContentButton { Desc, Stats, Options, Colors, Script, Nose, Rear, Side, ClipArt, Ad, Nostalgia };
constexpr int kContentButtonCount = 11;

enum PicturePanel { PicClipArt = 1, PicEmblem = 2, PicEmbRear = 4, PicEmbSide = 8, PicScript = 16 };

struct Availability {
    std::array<bool, kContentButtonCount> enabled{};
    int hiddenPictures = 0;  // PicturePanel flags hidden in addition to the ordinary hiding
};

QString statsCaption(const QString& entryText);
Availability baseAvailability(const QString& entryText);
// Whether ShowEntry reloads the visible picture panels for this entry (true) or hides all five (false).
bool keepsPicturePanels(const QString& entryText);

// The 48 items of the booklet's start and end year lists.
QStringList bookletYearList();

}  // namespace catalogue
