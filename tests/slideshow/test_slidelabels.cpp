// The texts of the label and counter panels, and labels back to entry codes.
#include <gtest/gtest.h>

#include "catalog/catalogue.h"
#include "slideshow/slidelabels.h"

namespace {

using namespace slidelabels;

TEST(SlideLabels, PhotoLabelByCode)
{
    const std::pair<const char*, const char*> rows[] = {
        {"53", "1953"},
        {"99", "1999"},
        {"A0", "2000"},
        {"MN", "The National Zephane Museum "},
        {"MS", "Miscellany "},
        {"GA", "Mirra Santore Art Print "},
        {"CC", "Brenmore Twin-Turbo "},
        {"CV", "Custom Zephanes"},
        {"mn", "19mn"}, // case-sensitive: photo names are upper case
    };
    for (const auto& [code, label] : rows)
        EXPECT_EQ(photoLabel(code), QString::fromUtf8(label)) << code;
}

TEST(SlideLabels, ClipArtTickIgnoresCaseStepsDoNot)
{
    struct Row {
        const char* name;
        const char* tick;
        const char* forward; // StepForward and JumpBack: "BM"
        const char* back;    // StepBack and JumpForward: "B"
    };
    const Row rows[] = {
        {"1963.jpg", "1963", "1963 ", "1963 "},
        {"BMturbo.jpg", "Brenmore Twin-Turbo ", "Brenmore Twin-Turbo ", "Brenmore Twin-Turbo "},
        {"bmturbo.jpg", "Brenmore Twin-Turbo ", "bmtu ", "bmtu "},
        {"Boat.jpg", "Boat", "Boat ", "Brenmore Twin-Turbo "},
        {"SKI.jpg", "Malibu Zephane Ski Boat ", "Malibu Zephane Ski Boat ", "Malibu Zephane Ski Boat "},
        {"Sunset.jpg", "Suns", "Malibu Zephane Ski Boat ", "Malibu Zephane Ski Boat "},
        {"ZR1.jpg", "1990-1995 ZR-1 ", "1990-1995 ZR-1 ", "1990-1995 ZR-1 "},
        {"zr1.jpg", "1990-1995 ZR-1 ", "zr1. ", "zr1. "},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(clipArtTickLabel(r.name), QString::fromUtf8(r.tick)) << r.name;
        EXPECT_EQ(clipArtStepLabel(r.name, BrenmoreTest::FirstTwoBM), QString::fromUtf8(r.forward)) << r.name;
        EXPECT_EQ(clipArtStepLabel(r.name, BrenmoreTest::FirstB), QString::fromUtf8(r.back)) << r.name;
    }
}

TEST(SlideLabels, CounterAndHalves)
{
    EXPECT_EQ(counterText(12, 340), "12 of 340");
    const std::pair<int, int> halves[] = {{0, 0}, {1, 0}, {2, 1},  {3, 2}, {5, 2},
                                          {7, 4}, {9, 4}, {10, 5}, {11, 6}};
    for (const auto& [n, half] : halves)
        EXPECT_EQ(halfRoundedToEven(n), half) << n;
}

TEST(SlideLabels, EveryCollectionLabelMapsBackToItsCode)
{
    int mapped = 0;
    for (const catalogue::Collection& c : catalogue::collections()) {
        const auto code = codeForLabel(photoLabel(c.code));
        ASSERT_TRUE(code) << c.code.toStdString();
        EXPECT_EQ(*code, c.code);
        ++mapped;
    }
    EXPECT_EQ(mapped, 36);
    EXPECT_EQ(codeForLabel("The National Zephane Museum "), QStringLiteral("MN"));
    EXPECT_FALSE(codeForLabel("National Zephane Museum ")); // the main window's own text
    EXPECT_FALSE(codeForLabel("1986"));
    EXPECT_FALSE(codeForLabel("2000"));
}

} // namespace
