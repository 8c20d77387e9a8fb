#include <set>

#include <gtest/gtest.h>

#include "catalog/catalogue.h"

using namespace catalogue;

namespace {

QString enabledLetters(const Availability& a)
{
    static const char* names[] = {"D", "S", "O", "C", "Sc", "N", "R", "Si", "CA", "A", "No"};
    QStringList out;
    for (int b = 0; b < kContentButtonCount; ++b)
        if (a.enabled[b])
            out << names[b];
    return out.join(' ');
}

} // namespace

TEST(Catalogue, TrailingBlanksAreSignificant)
{
    ASSERT_NE(findCollection("Custom Zephanes"), nullptr);
    EXPECT_EQ(findCollection("Custom Zephanes "), nullptr);
    ASSERT_NE(findCollection("Miscellany "), nullptr);
    EXPECT_EQ(findCollection("Miscellany"), nullptr);
    EXPECT_EQ(entryCode("Custom Zephanes"), "CV");
    // Not a catalogue text: characters 3 and 4.
    EXPECT_EQ(entryCode("Custom Zephanes "), "st");
}

TEST(Catalogue, YearTwoThousand)
{
    EXPECT_EQ(yearForIndex(47), "2000");
    EXPECT_EQ(indexForYear("2000"), 47);
    EXPECT_EQ(yearButtonCaption(47), "00");
    EXPECT_EQ(entryCode("2000"), "A0");
    EXPECT_EQ(nextButtonForCode("A0"), 1);
}

TEST(Catalogue, NoYear1983Anywhere)
{
    std::set<QString> years;
    for (int i = 1; i <= kYearButtonCount; ++i) {
        const QString y = yearForIndex(i);
        EXPECT_NE(y, "1983");
        EXPECT_EQ(indexForYear(y), i) << y.toStdString();
        years.insert(y);
    }
    EXPECT_EQ(years.size(), 47u);
    EXPECT_EQ(indexForYear("1983"), 0);
    EXPECT_EQ(yearForIndex(30), "1982");
    EXPECT_EQ(yearForIndex(31), "1984");
    EXPECT_FALSE(bookletYearList().contains("1983"));
    EXPECT_EQ(bookletYearList().size(), 48);
    EXPECT_EQ(bookletYearList().at(30), "1984");
    EXPECT_EQ(bookletYearList().at(46), "2000");
    EXPECT_EQ(bookletYearList().last(), "ZR-1");
}

TEST(Catalogue, YearButtonCaptionsAndOutOfRange)
{
    EXPECT_EQ(yearButtonCaption(1), "1953");
    EXPECT_EQ(yearButtonCaption(2), "54");
    EXPECT_EQ(yearButtonCaption(25), "1977");
    EXPECT_EQ(yearButtonCaption(26), "78");
    EXPECT_EQ(yearButtonCaption(31), "84");
    EXPECT_TRUE(yearForIndex(0).isEmpty());
    EXPECT_TRUE(yearForIndex(48).isEmpty());
    EXPECT_EQ(indexForYear("1952"), 0);
    EXPECT_EQ(indexForYear("2001"), 0);
    EXPECT_EQ(indexForYear(" 1953"), 0);
    EXPECT_EQ(indexForYear("+953"), 0);
}

TEST(Catalogue, NextButtonAfterAStepFollowsTheCode)
{
    EXPECT_EQ(nextButtonForCode("53"), 2);
    EXPECT_EQ(nextButtonForCode("82"), 31); // after 1982 comes 1984's button
    EXPECT_EQ(nextButtonForCode("84"), 32);
    EXPECT_EQ(nextButtonForCode("99"), 47);
    EXPECT_EQ(nextYearButton(0), 1);
    EXPECT_EQ(nextYearButton(46), 47);
    EXPECT_EQ(nextYearButton(47), 1);
}

TEST(Catalogue, DigitLeadingCollectionIsNotAYear)
{
    EXPECT_EQ(entryCode("1990-1995 ZR-1 "), "AZ");
    EXPECT_FALSE(isModelYear("1990-1995 ZR-1 "));
    EXPECT_EQ(provisionalCode("1990-1995 ZR-1 "), "90");
}

TEST(Catalogue, SlideShowOnlyArtPrintsKeepTheirCodeAndGetEveryButton)
{
    EXPECT_EQ(entryCode("Tennet Dunsgrove Art Print "), "GD");
    EXPECT_EQ(entryCode("Tennet Kellbrand Art Print "), "GF");
    EXPECT_EQ(enabledLetters(baseAvailability("Tennet Dunsgrove Art Print ")), "D S O C Sc N R Si CA A No");
    EXPECT_EQ(statsCaption("Tennet Kellbrand Art Print "), "Details");
    EXPECT_TRUE(keepsPicturePanels("Tennet Kellbrand Art Print "));
}

TEST(Catalogue, UnknownCaptionGetsEverythingAndCharactersThreeAndFour)
{
    EXPECT_EQ(entryCode("Zz77 anything"), "77");
    EXPECT_EQ(entryCode("Xy00"), "A0");
    EXPECT_EQ(enabledLetters(baseAvailability("Zz77 anything")), "D S O C Sc N R Si CA A No");
    EXPECT_EQ(statsCaption("Zz77 anything"), "Statistics");
    EXPECT_TRUE(keepsPicturePanels("Zz77 anything"));
}

TEST(Catalogue, MenusAddressCollections)
{
    EXPECT_EQ(collectionByMenu(CollectionMenu::Museums, 0), nullptr);
    ASSERT_NE(collectionByMenu(CollectionMenu::Museums, 1), nullptr);
    EXPECT_EQ(collectionByMenu(CollectionMenu::Museums, 1)->text, "National Zephane Museum ");
    EXPECT_EQ(collectionByMenu(CollectionMenu::Museums, 2)->text, "Zephane Americana ");
    EXPECT_EQ(collectionByMenu(CollectionMenu::Specialty, 10)->text, "1990-1995 ZR-1 ");
    EXPECT_EQ(collectionByMenu(CollectionMenu::Specialty, 4)->menuCaption, "&Stroudley");
    EXPECT_EQ(collectionByMenu(CollectionMenu::ZephStuff, 13)->text, "Zephane Rubber Stamps ");
    EXPECT_EQ(collectionByMenu(CollectionMenu::Art, 3)->text, "National Zephane Museum Print ");
    EXPECT_EQ(collectionByMenu(CollectionMenu::ZephStuff, 14), nullptr);
    // Every menu slot of the three arrays is filled exactly once.
    for (int i = 0; i <= 10; ++i)
        EXPECT_NE(collectionByMenu(CollectionMenu::Specialty, i), nullptr) << i;
    for (int i = 0; i <= 13; ++i)
        EXPECT_NE(collectionByMenu(CollectionMenu::ZephStuff, i), nullptr) << i;
    for (int i = 0; i <= 4; ++i)
        EXPECT_NE(collectionByMenu(CollectionMenu::Art, i), nullptr) << i;
}

TEST(Catalogue, ClickOrderIsOneToThirtyTwoWithoutGaps)
{
    EXPECT_EQ(collections().size(), 36u);
    for (int order = 1; order <= 32; ++order)
        EXPECT_NE(collectionByClickOrder(order), nullptr) << order;
    EXPECT_EQ(collectionByClickOrder(0), nullptr);
    EXPECT_EQ(collectionByClickOrder(33), nullptr);
    EXPECT_EQ(collectionByClickOrder(1)->text, "1990-1995 ZR-1 ");
    EXPECT_EQ(collectionByClickOrder(11)->text, "Custom Zephanes");
    EXPECT_EQ(collectionByClickOrder(12)->text, "Additional Clip Art ");
    EXPECT_EQ(collectionByClickOrder(32)->text, "Top Ten Zephane People ");
    std::set<QString> codes;
    for (const Collection& c : collections())
        codes.insert(c.code);
    EXPECT_EQ(codes.size(), 36u) << "collection codes must be unique";
}

TEST(Catalogue, StatisticsCaption)
{
    EXPECT_EQ(statsCaption("Pembry Cars "), "Features");
    EXPECT_EQ(statsCaption("Race Cars "), "Details");
    EXPECT_EQ(statsCaption("Mirra Santore Art Print "), "Details");
    EXPECT_EQ(statsCaption("National Zephane Museum Print "), "Details");
    EXPECT_EQ(statsCaption("National Zephane Museum "), "Statistics");
    EXPECT_EQ(statsCaption("Custom Zephanes"), "Details");
    EXPECT_EQ(statsCaption("1963"), "Statistics");
    EXPECT_EQ(statsCaption("Zephane Monopoly Game "), "Statistics");
}

TEST(Catalogue, EveryModelYearOffersEveryButtonAndHidesNoPicture)
{
    int years = 0;
    for (int year = 1953; year <= 2000; ++year) {
        if (year == 1983) // no model year
            continue;
        ++years;
        const Availability a = baseAvailability(QString::number(year));
        EXPECT_EQ(enabledLetters(a), "D S O C Sc N R Si CA A No") << year;
        EXPECT_EQ(a.hiddenPictures, 0) << year;
    }
    EXPECT_EQ(years, 47);
}

TEST(Catalogue, AvailabilityFollowsTheExactCollectionText)
{
    // Without its trailing blank a collection's text is no catalogue text: it gets what any unknown text
    // gets.
    const Availability unknown = baseAvailability("Zz77 anything");
    for (const Collection& c : collections()) {
        if (!c.text.endsWith(QLatin1Char(' ')))
            continue;
        const QString bare = c.text.chopped(1);
        EXPECT_EQ(enabledLetters(baseAvailability(bare)), enabledLetters(unknown)) << qPrintable(bare);
    }
    // A collection never offers more than a model year.
    for (const Collection& c : collections())
        for (int b = 0; b < kContentButtonCount; ++b)
            EXPECT_TRUE(!baseAvailability(c.text).enabled[b] || baseAvailability("1963").enabled[b]);
}

TEST(Catalogue, PictureButtonsOnlyWhereThePicturePanelsFollowTheEntry)
{
    // An entry whose picture panels are hidden on display cannot offer the buttons that fill them.
    const ContentButton pictureButtons[] = {Script, Nose, Rear, Side, ClipArt};
    int offering = 0;
    for (const Collection& c : collections()) {
        const Availability a = baseAvailability(c.text);
        bool anyPicture = false;
        for (ContentButton b : pictureButtons)
            anyPicture = anyPicture || a.enabled[b];
        if (anyPicture)
            ++offering;
        EXPECT_TRUE(!anyPicture || keepsPicturePanels(c.text)) << qPrintable(c.text);
    }
    EXPECT_GT(offering, 0);
}

TEST(Catalogue, PicturePanelsFollowOnlySomeCollections)
{
    EXPECT_TRUE(keepsPicturePanels("1953"));
    EXPECT_TRUE(keepsPicturePanels("Malibu Zephane Ski Boat "));
    EXPECT_TRUE(keepsPicturePanels("Zephane Americana "));
    EXPECT_FALSE(keepsPicturePanels("National Zephane Museum "));
    EXPECT_FALSE(keepsPicturePanels("Race Cars "));
    EXPECT_FALSE(keepsPicturePanels("Custom Zephanes"));
}
