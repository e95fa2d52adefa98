#include "core/goodness_of_fit.h"
#include "core/random_generator.h"
#include "core/run.h"
#include "core/shortage_law.h"
#include "support/engine_fakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

namespace coinwell::core {
namespace {

TEST(ChiSquare, UpperTailMatchesPublishedQuantiles)
{
    const struct {
        int df;
        double statistic;
        double pValue;
    } cases[] = {
        {1, 3.841458820694124, 0.05},   {1, 0.01579077409343122, 0.9}, {2, 10.0, 0.006737946999085467},
        {10, 18.307038053275146, 0.05}, {10, 4.865182052, 0.9},        {100, 124.34211340400407, 0.05},
        {10, 0.0, 1.0},
    };
    for (const auto& c : cases) {
        const double p = upperGammaQ(c.df / 2.0, c.statistic / 2.0);
        EXPECT_NEAR(p / c.pValue, 1.0, 1e-8) << c.df << " df, " << c.statistic;
    }
}

// At 10 guests every probability is a multiple of 2^-10, so 1024 x k
// experiments can match the law exactly.
TEST(ChiSquare, PoolsRareShortagesAndScoresTheDistanceFromTheLaw)
{
    const ShortageLaw law(10);
    ShortageCounts exact(10);
    ShortageCounts allAtOne(10);
    for (int shortage = -10; shortage <= 1; ++shortage) {
        for (int i = 0; i < std::lround(law.probability(shortage) * 1024 * 2); ++i) {
            exact.count(shortage);
            allAtOne.count(1);
        }
    }
    const std::optional<ChiSquareTest> same = chiSquareTest(exact, law);
    ASSERT_TRUE(same);
    EXPECT_EQ(same->statistic, 0.0);
    EXPECT_EQ(same->pValue, 1.0);
    // Of 2048 experiments, shortages -10 and -9 expect 2 each and are pooled
    // with -8, which leaves 10 groups.
    EXPECT_EQ(same->degreesOfFreedom, 9);
    EXPECT_LT(chiSquareTest(allAtOne, law)->pValue, 1e-100);
}

// With the clock frozen every experiment is re-seeded with the same value;
// the shortages must still follow the exact law.
TEST(ShortageDistribution, RunWithFrozenClockFollowsTheExactLaw)
{
    RandomGenerator random(0xC0FFEE'2024ULL);
    FixedClock frozen;
    const RunResult result = runExperiments(Settings{100, 1000}, random, frozen);

    const std::optional<ChiSquareTest> test = chiSquareTest(result.counts, ShortageLaw(100));
    ASSERT_TRUE(test);
    std::cout << "[ stats    ] chi-square " << test->statistic << " with " << test->degreesOfFreedom
              << " degrees of freedom, p = " << test->pValue << "\n";
    ASSERT_EQ(result.counts.total(), 1000) << "a shortage outside -100..+1";
    ASSERT_GE(test->degreesOfFreedom, 10);
    EXPECT_GT(test->pValue, 0.001);
}

}  // namespace
}  // namespace coinwell::core
