// The booklet's year walk, its sections and their order.
#include <gtest/gtest.h>

#include "output/bookletplan.h"

namespace {

BookletChoice only(std::initializer_list<BookletSection> sections)
{
    BookletChoice c{};
    for (BookletSection s : sections)
        c[size_t(s)] = true;
    return c;
}

QStringList names(const BookletPlan& plan)
{
    QStringList out;
    for (const BookletStep& s : plan.steps)
        out << (s.kind == BookletStep::Kind::PageBreak ? QStringLiteral("|") : s.path.relative());
    return out;
}

} // namespace

TEST(BookletPlan, YearNumbersOfTheListItems)
{
    using booklet::yearNumber;
    EXPECT_EQ(yearNumber("1953"), 53);
    EXPECT_EQ(yearNumber("1999"), 99);
    EXPECT_EQ(yearNumber("2000"), 100);
    EXPECT_EQ(yearNumber("ZR-1"), 101);
    EXPECT_EQ(yearNumber(""), 0);
    EXPECT_EQ(yearNumber("1983"), 0);
}

TEST(BookletPlan, RangeAcross83PrintsTheNeighboursOnly)
{
    const auto plan = planBooklet(only({BookletSection::Description, BookletSection::Details}), 82, 84);
    EXPECT_EQ(names(plan), (QStringList{"\\RichText\\82desc.rtf", "\\RichText\\82.rtf",
                                        "\\RichText\\84desc.rtf", "\\RichText\\84.rtf"}));
}

TEST(BookletPlan, RangeFrom1999ToZr1UsesA0AndZr)
{
    const auto plan = planBooklet(only({BookletSection::Description}), 99, 101);
    EXPECT_EQ(names(plan),
              (QStringList{"\\RichText\\99desc.rtf", "\\RichText\\A0desc.rtf", "\\RichText\\ZRdesc.rtf"}));
}

TEST(BookletPlan, OnlyCoverNeedsNoYears)
{
    const auto plan = planBooklet(only({BookletSection::Cover}), 0, 0);
    EXPECT_FALSE(plan.yearsMissing);
    ASSERT_EQ(plan.steps.size(), 5u);
    const int want[4][2] = {{1200, 1600}, {1000, 4300}, {500, 8800}, {2800, 12000}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(plan.steps[size_t(i)].kind, BookletStep::Kind::Picture);
        EXPECT_EQ(plan.steps[size_t(i)].left, want[i][0]);
        EXPECT_EQ(plan.steps[size_t(i)].top, want[i][1]);
    }
    EXPECT_EQ(names(plan), (QStringList{"\\graphics\\logofol2.jpg", "\\graphics\\95white.jpg",
                                        "\\graphics\\bklettxt.jpg", "\\graphics\\vornic3.jpg", "|"}));
}

TEST(BookletPlan, CoverAndOverviewPrintWithoutYears)
{
    const auto plan = planBooklet(only({BookletSection::Overview, BookletSection::Cover}), 0, 0);
    EXPECT_FALSE(plan.yearsMissing);
    EXPECT_EQ(names(plan).mid(4), (QStringList{"|", "\\RichText\\intro.rtf"}));
}

TEST(BookletPlan, EveryPerYearSectionNeedsAnOrderedRange)
{
    for (int s = int(BookletSection::ClipArt); s < kBookletSectionCount; ++s) {
        const auto choice = only({BookletSection(s)});
        EXPECT_TRUE(planBooklet(choice, 0, 60).yearsMissing) << s;
        EXPECT_TRUE(planBooklet(choice, 60, 0).yearsMissing) << s;
        EXPECT_TRUE(planBooklet(choice, 61, 60).yearsMissing) << s;
        EXPECT_FALSE(planBooklet(choice, 60, 60).yearsMissing) << s;
    }
    // The cover is kept in the plan: it is printed before the year check fails.
    const auto plan = planBooklet(only({BookletSection::Cover, BookletSection::Engines}), 0, 0);
    EXPECT_TRUE(plan.yearsMissing);
}

TEST(BookletPlan, OnlyEnginesPassesTheYearCheckAndPrintsTheEnginesDocumentOnce)
{
    const auto plan = planBooklet(only({BookletSection::Engines}), 53, 60);
    EXPECT_FALSE(plan.yearsMissing);
    ASSERT_EQ(plan.steps.size(), 1u);
    EXPECT_EQ(plan.steps[0].path.name.toLower(), QStringLiteral("engines.rtf"));
}

TEST(BookletPlan, FullBookletKeepsItsOrder)
{
    BookletChoice all;
    all.fill(true);
    const QStringList got = names(planBooklet(all, 99, 100));
    EXPECT_EQ(got.mid(4, 2), (QStringList{"|", "\\RichText\\intro.rtf"}));
    EXPECT_EQ(got.mid(6, 6),
              (QStringList{"\\ClipArt\\1999.jpg", "|", "\\RichText\\99desc.rtf", "\\RichText\\99.rtf",
                           "\\RichText\\99OPTS.rtf", "\\RichText\\99colors.rtf"}));
    EXPECT_EQ(got.mid(12, 2), (QStringList{"\\ClipArt\\2000.jpg", "|"}));
    EXPECT_EQ(got.last().toLower(), QStringLiteral("\\richtext\\engines.rtf"));
}
