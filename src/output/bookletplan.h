#pragma once

#include <array>
#include <vector>

#include <QString>

#include "catalog/mediarules.h"

// The booklet's sections in the order of the panel's check boxes (Check1 index 0..7).
enum class BookletSection { Cover, Overview, ClipArt, Description, Details, Engines, Options, Colors };
constexpr int kBookletSectionCount = 8;
using BookletChoice = std::array<bool, kBookletSectionCount>;

// One thing to print, in booklet order.
struct BookletStep {
    enum class Kind { Picture, PageBreak, Document };
    Kind kind = Kind::Document;
    BookletSection section = BookletSection::Cover;
    mediarules::MediaPath path; // pictures and documents (media root)
    int left = 0;               // pictures: page position in twips
    int top = 0;
    int year = 0; // the year number the step belongs to, 0 for none
};

struct BookletPlan {
    bool yearsMissing = false; // a per-year section is ticked but the range is missing or reversed (ER059)
    std::vector<BookletStep> steps;
};

namespace booklet {
// Year number of a list item: characters 3 and 4 read as a number ("1953" 53), "2000" 100, "ZR-1" 101;
// 0 for no selection or a text that is no item.
int yearNumber(const QString& item);
// The years the range walks: from..to, 83 skipped.
std::vector<int> yearWalk(int from, int to);
// The entry text of a year number: "1953" ... "1999", "2000", the ZR-1 collection.
QString entryText(int yearNumber);
// Section names of the command line ("cover", "overview", "clipart", ...), index = BookletSection.
const std::array<QString, kBookletSectionCount>& sectionKeys();
} // namespace booklet

// What the booklet prints for the ticked boxes and the chosen range: the cover pictures and a page break,
// the introduction, then year by year its clip art, description, details, options and colours, and the
// engines document once after the years.
BookletPlan planBooklet(const BookletChoice& ticked, int from, int to);
