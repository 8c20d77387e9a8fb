// Which key press is a year-button key: by the physical key where the platform reports one, else by symbol.
#include <gtest/gtest.h>

#include "mainwin/yearkeys.h"

TEST(YearKeys, PhysicalCommaAndPeriodWinOverTheLayoutsSymbol)
{
    struct Case {
        int key;
        unsigned scanCode;
        std::optional<YearKey> expected;
    };
    const Case cases[] = {
        {Qt::Key_Comma, 0, YearKey::Comma},      {Qt::Key_Less, 0, YearKey::Comma},
        {Qt::Key_Period, 0, YearKey::Period},    {Qt::Key_Greater, 0, YearKey::Period},
        {Qt::Key_Semicolon, 59, YearKey::Comma}, // Shift+comma on a German keyboard
        {Qt::Key_Colon, 60, YearKey::Period},    // Shift+period on a German keyboard
        {Qt::Key_Space, 65, YearKey::Space},     {Qt::Key_Semicolon, 0, std::nullopt},
        {Qt::Key_A, 38, std::nullopt},           {Qt::Key_M, 58, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(yearKeyFor(c.key, c.scanCode), c.expected) << c.key << " " << c.scanCode;
}
