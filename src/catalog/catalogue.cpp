#include "catalog/catalogue.h"

#include <algorithm>

namespace catalogue {
namespace {

using M = CollectionMenu;

const std::vector<Collection>& table()
{
    static const std::vector<Collection> rows = {
        {"1990-1995 ZR-1 ", "AZ", M::Specialty, 10, "&ZR-1", 1},
        {"Brenmore C12 ", "BC", M::Specialty, 0, "Brenmore C&12", 2},
        {"Brenmore Twin-Turbo ", "CC", M::Specialty, 1, "&Brenmore Twin Turbo", 3},
        {"Kavell Automotive Concepts ", "GS", M::Specialty, 3, "&Kavell Automotive Concepts", 4},
        {"Stroudley Cars ", "FL", M::Specialty, 4, "&Stroudley", 5},
        {"Pembry Cars ", "FM", M::Specialty, 5, "&Pembri Cars", 6},
        {"Prototypes ", "DP", M::Specialty, 7, "&Prototypes", 7},
        {"Race Cars ", "DR", M::Specialty, 8, "&Race Cars", 8},
        {"Malibu Zephane Ski Boat ", "ES", M::Specialty, 6, "Malibu Zephane &Boat", 9},
        {"Specter Werkes GTR Roadster ", "GT", M::Specialty, 9, "Specter &Werkes GTR Roadster", 10},
        {"Custom Zephanes", "CV", M::Specialty, 2, "&Custom Zephanes", 11},
        {"Additional Clip Art ", "CA", M::Art, 0, "Additional &Clip Art", 12},
        {"Mirra Santore Art Print ", "GA", M::Art, 1, "&Mirra Santore", 13},
        {"Caspo Velloz Art Print ", "GB", M::Art, 2, "&Caspo Velloz", 14},
        {"National Zephane Museum Print ", "GH", M::Art, 3, "&National Zephane Museum", 15},
        {"Ferrec Orlund Art Print ", "GL", M::Art, 4, "&Ferrec Orlund", 16},
        {"Car Stuff Zephane Calendars ", "TC", M::ZephStuff, 0, "&Car Stuff Zephane Calendars", 17},
        {"Zephane Holiday Cards ", "TX", M::ZephStuff, 1, "Zephane &Holiday Cards", 18},
        {"Zephane Monopoly Game ", "US", M::ZephStuff, 2, "Zephane Monopoly &Game", 19},
        {"Danbury Mint Die-cast Model ", "TD", M::ZephStuff, 3, "Danbury &Die-Cast Model", 20},
        {"Franklin Mint Collector Knives ", "TE", M::ZephStuff, 4, "Franklin Mint Collector &Knives", 21},
        {"Franklin Mint Collector Plates ", "TP", M::ZephStuff, 5, "Franklin Mint Collector P&lates", 22},
        {"Franklin Mint Die-cast Models ", "TF", M::ZephStuff, 6, "Franklin Mint &Die-Cast Models", 23},
        {"Franklin Mint Fuel Injected Engine ", "TI", M::ZephStuff, 7, "Franklin Mint &Fuel Injected Engine", 24},
        {"Zephane Metal Signs ", "VM", M::ZephStuff, 8, "Zephane &Metal Signs", 25},
        {"Revell-Monogram Models ", "VR", M::ZephStuff, 9, "&Revell-Monogram Models", 26},
        {"Zephane Pinball Machine ", "XP", M::ZephStuff, 10, "Zephane &Pinball Machine", 27},
        {"Zephane Coin ", "ZY", M::ZephStuff, 11, "Zephane C&oin", 28},
        {"Zephane Philately ", "ZZ", M::ZephStuff, 12, "Zephane Philatel&y", 29},
        {"Zephane Rubber Stamps ", "ZW", M::ZephStuff, 13, "Zephane &Rubber Stamps", 30},
        {"Miscellany ", "MS", M::Miscellany, -1, "&Miscellany", 31},
        {"Top Ten Zephane People ", "TT", M::TopTen, -1, "Top Ten Zephane &People", 32},
        {"National Zephane Museum ", "MN", M::Museums, 1, "&National Zephane Museum", 0},
        {"Zephane Americana ", "MA", M::Museums, 2, "&Zephane Americana", 0},
        {"Tennet Dunsgrove Art Print ", "GD", M::None, -1, QString(), 0},
        {"Tennet Kellbrand Art Print ", "GF", M::None, -1, QString(), 0},
    };
    return rows;
}

// Availability rows, written as the letters of the enabled buttons.
struct AvailabilityRow {
    const char* enabled;  // D S O C Sc N R Si CA A No, blank-separated
    int hidden;
    QStringList entries;
};

Availability fromLetters(const char* letters, int hidden)
{
    static const char* names[kContentButtonCount] = {"D", "S", "O", "C", "Sc", "N", "R", "Si", "CA", "A", "No"};
    Availability a;
    a.hiddenPictures = hidden;
    const QStringList parts = QString::fromLatin1(letters).split(' ', Qt::SkipEmptyParts);
    for (int b = 0; b < kContentButtonCount; ++b)
        a.enabled[b] = parts.contains(QLatin1String(names[b]));
    return a;
}

const std::vector<AvailabilityRow>& availabilityRows()
{
    static const std::vector<AvailabilityRow> rows = {
        {"D S O C Sc N R Si CA A", 0, {"1990-1995 ZR-1 "}},
        {"D S Sc N R Si A", 0, {"Pembry Cars "}},
        {"D Sc N R Si A", PicClipArt | PicEmblem | PicEmbRear | PicEmbSide, {"Stroudley Cars "}},
        {"D S O C Sc A", PicClipArt | PicEmblem | PicEmbRear | PicEmbSide, {"Kavell Automotive Concepts "}},
        {"D S Sc N R Si A", PicClipArt, {"Brenmore C12 "}},
        {"D S O C Sc N R Si CA", 0, {"Brenmore Twin-Turbo "}},
        {"D S O C Sc N R Si CA A", 0, {"Malibu Zephane Ski Boat "}},
        {"D", 0,
         {"Car Stuff Zephane Calendars ", "Zephane Monopoly Game ", "Franklin Mint Collector Knives ",
          "Franklin Mint Collector Plates ", "Zephane Coin ", "Zephane Rubber Stamps ", "Top Ten Zephane People "}},
        {"D S", 0,
         {"Zephane Holiday Cards ", "Danbury Mint Die-cast Model ", "Franklin Mint Die-cast Models ",
          "Franklin Mint Fuel Injected Engine ", "Zephane Metal Signs ", "Revell-Monogram Models ",
          "Zephane Philately ", "National Zephane Museum ", "National Zephane Museum Print ",
          "Mirra Santore Art Print ", "Caspo Velloz Art Print ", "Ferrec Orlund Art Print "}},
        {"D A", 0, {"Zephane Pinball Machine ", "Specter Werkes GTR Roadster "}},
        {"S", 0, {"Prototypes ", "Custom Zephanes"}},
        {"", 0, {"Race Cars ", "Additional Clip Art ", "Miscellany "}},
    };
    return rows;
}

QString mid2(const QString& text)
{
    return text.mid(2, 2);
}

}  // namespace

const std::vector<Collection>& collections()
{
    return table();
}

const Collection* findCollection(const QString& entryText)
{
    for (const Collection& c : table())
        if (c.text == entryText)
            return &c;
    return nullptr;
}

const Collection* collectionByMenu(CollectionMenu menu, int index)
{
    for (const Collection& c : table())
        if (c.menu == menu && c.menuIndex == index)
            return &c;
    return nullptr;
}

const Collection* collectionByClickOrder(int order)
{
    if (order <= 0)
        return nullptr;
    for (const Collection& c : table())
        if (c.clickOrder == order)
            return &c;
    return nullptr;
}

bool isModelYear(const QString& entryText)
{
    return indexForYear(entryText) != 0;
}

QString yearForIndex(int index)
{
    if (index < 1 || index > kYearButtonCount)
        return {};
    const int year = index <= 30 ? 1952 + index : 1953 + index;
    return QString::number(year);
}

int indexForYear(const QString& yearText)
{
    if (yearText.size() != 4)
        return 0;
    bool ok = false;
    const int year = yearText.toInt(&ok);
    if (!ok || QString::number(year) != yearText)
        return 0;
    if (year >= 1953 && year <= 1982)
        return year - 1952;
    if (year >= 1984 && year <= 2000)
        return year - 1953;
    return 0;
}

QString yearButtonCaption(int index)
{
    const QString year = yearForIndex(index);
    if (year.isEmpty())
        return {};
    if (index == 1 || index == 25)
        return year;
    return year.right(2);
}

int nextButtonForCode(const QString& code)
{
    if (code == QLatin1String("A0") || code == QLatin1String("00"))
        return 1;
    bool ok = false;
    const int c = code.toInt(&ok);
    if (!ok)
        return 1;
    const int next = c < 84 ? c - 51 : c - 52;
    return (next >= 1 && next <= kYearButtonCount) ? next : 1;
}

int nextYearButton(int currentYearIndex)
{
    return currentYearIndex >= kYearButtonCount || currentYearIndex < 0 ? 1 : currentYearIndex + 1;
}

QString provisionalCode(const QString& entryText)
{
    return mid2(entryText);
}

QString entryCode(const QString& entryText)
{
    if (const Collection* c = findCollection(entryText))
        return c->code;
    const QString code = mid2(entryText);
    return code == QLatin1String("00") ? QStringLiteral("A0") : code;
}

QString statsCaption(const QString& entryText)
{
    if (entryText == QLatin1String("Pembry Cars "))
        return QStringLiteral("Features");
    static const QStringList details = {
        "Prototypes ", "Race Cars ", "Specter Werkes GTR Roadster ", "Custom Zephanes", "Zephane Coin ",
        "Zephane Philately ", "Zephane Rubber Stamps ", "Additional Clip Art ", "National Zephane Museum Print ",
        "Revell-Monogram Models "};
    if (details.contains(entryText) || entryText.endsWith(QLatin1String("Art Print ")))
        return QStringLiteral("Details");
    return QStringLiteral("Statistics");
}

Availability baseAvailability(const QString& entryText)
{
    for (const AvailabilityRow& row : availabilityRows())
        if (row.entries.contains(entryText))
            return fromLetters(row.enabled, row.hidden);
    return fromLetters("D S O C Sc N R Si CA A No", 0);
}

bool keepsPicturePanels(const QString& entryText)
{
    static const QStringList keep = {"1990-1995 ZR-1 ", "Brenmore C12 ", "Brenmore Twin-Turbo ",
                                     "Kavell Automotive Concepts ", "Stroudley Cars ", "Pembry Cars ",
                                     "Malibu Zephane Ski Boat ", "Zephane Americana ",
                                     "Tennet Dunsgrove Art Print ", "Tennet Kellbrand Art Print "};
    return !findCollection(entryText) || keep.contains(entryText);
}

QStringList bookletYearList()
{
    QStringList items;
    for (int i = 0; i <= 29; ++i)
        items << QStringLiteral("19") + QString::number(i + 53);
    for (int i = 30; i <= 45; ++i)
        items << QStringLiteral("19") + QString::number(i + 54);
    items << QStringLiteral("2000") << QStringLiteral("ZR-1");
    return items;
}

}  // namespace catalogue
