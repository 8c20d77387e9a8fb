// The step table, the emblem gaps, the ticks' wrap rules and the delay cycle.
#include <set>

#include <gtest/gtest.h>

#include "slideshow/slidesteps.h"

namespace {

using slidesteps::Step;

TEST(SlideSteps, PositionTableWrapsAtBothEnds)
{
    struct Row {
        Step step;
        int from, count, to;
    };
    const Row rows[] = {
        {Step::Forward, 5, 50, 6},       {Step::Forward, 50, 50, 1},     {Step::Forward, 0, 50, 1},
        {Step::Back, 5, 50, 4},          {Step::Back, 1, 50, 50},        {Step::Back, 0, 50, 50},
        {Step::JumpForward, 5, 50, 25},  {Step::JumpForward, 40, 50, 1}, {Step::JumpForward, 30, 50, 1},
        {Step::JumpForward, 29, 50, 49}, {Step::JumpForward, 50, 50, 1}, {Step::JumpBack, 5, 50, 50},
        {Step::JumpBack, 21, 50, 1},     {Step::JumpBack, 40, 50, 20},   {Step::JumpBack, 20, 50, 50},
    };
    for (const Row& r : rows)
        EXPECT_EQ(slidesteps::position(r.step, r.from, r.count), r.to)
            << "step " << int(r.step) << " from " << r.from;
}

TEST(SlideSteps, EmblemTableKeepsTheGapsAndNeverGives83)
{
    struct Row {
        Step step;
        int from, to;
    };
    const Row rows[] = {
        {Step::Forward, 53, 54},     {Step::Forward, 82, 84},     {Step::Forward, 103, 104},
        {Step::Forward, 104, 53},    {Step::Forward, 110, 53},    {Step::Back, 54, 53},
        {Step::Back, 53, 103},       {Step::Back, 52, 103},       {Step::Back, 84, 82},
        {Step::Back, 104, 103},      {Step::JumpForward, 78, 84}, {Step::JumpForward, 97, 102},
        {Step::JumpForward, 98, 53}, {Step::JumpForward, 52, 57}, {Step::JumpBack, 88, 82},
        {Step::JumpBack, 62, 103},   {Step::JumpBack, 63, 58},    {Step::JumpBack, 104, 99},
    };
    for (const Row& r : rows)
        EXPECT_EQ(slidesteps::emblem(r.step, r.from), r.to) << "step " << int(r.step) << " from " << r.from;

    for (Step s : {Step::Forward, Step::Back, Step::JumpForward, Step::JumpBack})
        for (int e = 52; e <= 104; ++e)
            if (e != 83) {
                EXPECT_NE(slidesteps::emblem(s, e), 83) << int(s) << " from " << e;
            }
}

TEST(SlideSteps, EmblemTickRunsEveryYearThenTheThreeCollectionsAndWraps)
{
    std::vector<int> seen;
    int e = 52; // after the mode change
    for (int i = 0; i < 51; ++i) {
        e = slidesteps::emblemTick(e);
        seen.push_back(e);
    }
    EXPECT_EQ(seen.front(), 53);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 83), 0);
    EXPECT_EQ(seen[29], 82);
    EXPECT_EQ(seen[30], 84);
    EXPECT_EQ(seen[49], 103);
    EXPECT_EQ(seen[50], 53); // the ski-boat slide is only reached by stepping
    EXPECT_EQ(slidesteps::emblemTick(104), 53);
}

TEST(SlideSteps, DelayCyclesThroughSixteenValuesBothWays)
{
    const std::vector<long> cycle = {1000,  2000,  3000,  4000,  5000,  10000, 15000, 20000,
                                     25000, 30000, 35000, 40000, 45000, 50000, 55000, 60000};
    for (std::size_t i = 0; i < cycle.size(); ++i) {
        EXPECT_EQ(slidesteps::delayUp(cycle[i]), cycle[(i + 1) % cycle.size()]) << cycle[i];
        EXPECT_EQ(slidesteps::delayDown(cycle[(i + 1) % cycle.size()]), cycle[i]) << cycle[i];
    }
    // A value the screen-saver spinner left off the cycle never runs past the ends.
    EXPECT_EQ(slidesteps::delayUp(61000), 1000);
    EXPECT_EQ(slidesteps::delayDown(500), 60000);
}

} // namespace
