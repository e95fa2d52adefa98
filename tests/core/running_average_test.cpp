#include "core/coins_ready.h"
#include "core/experiment.h"
#include "core/random_generator.h"
#include "core/run.h"
#include "core/running_average.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace coinwell::core {
namespace {

TEST(TraceCounts, RunOneTwoFiveThroughTheDecadesToTheWholeRun)
{
    const struct {
        std::int64_t experiments;
        std::vector<std::int64_t> counts;
    } cases[] = {
        {0, {}},
        {1, {1}},
        {2, {1, 2}},
        {3, {1, 2, 3}},
        {10, {1, 2, 5, 10}},
        {11, {1, 2, 5, 10, 11}},
        {1000, {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000}},
        {4999, {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 4999}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(traceCounts(c.experiments), c.counts) << c.experiments;
    }
}

// Worked out by hand from each sequence's running averages: -2, -1.5, -1
// for the first, 0, -0.5, -1/3, -0.5 for the third.
TEST(SettledFrom, IsTheFirstExperimentAfterWhichTheAverageNeverLeftTheTolerance)
{
    const struct {
        std::vector<std::int16_t> shortages;
        double mean;
        double tolerance;
        std::optional<std::int64_t> from;
    } cases[] = {
        {{-2, -1, 0}, -1.0, 0.5, 2},
        {{-2, -1, 0}, -1.0, 0.1, 3},
        {{0, -1, 0, -1}, -0.5, 0.2, 2},
        {{0, -1, 0, -1}, -0.5, 0.1, 4},
        {{-1, -1, -5}, -1.0, 0.5, std::nullopt},  // within at first, left at the end
        {{-3, 1, -1, -1}, -1.0, 0.0, 2},
        {{}, -1.0, 0.5, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(settledFrom(c.shortages, c.mean, c.tolerance), c.from)
            << ::testing::PrintToString(c.shortages) << " within " << c.tolerance;
    }
}

// The view's experiments are those of a run from the same seed, one by one:
// each point is what the first n of them say, summed here afresh.
TEST(RunningAverage, FollowsTheExperimentsOfTheSameSeed)
{
    for (const int guests : {1, 10, 100, 1000}) {
        SCOPED_TRACE(guests);
        constexpr std::int32_t kExperiments = 3000;
        RandomGenerator random(7);
        FixedClock clock;
        const RunningAverage running(runningShortages(guests, kExperiments, random, clock), guests);

        RandomGenerator again(7);
        std::vector<std::int16_t> own;
        for (std::int32_t n = 0; n < kExperiments; ++n) {
            own.push_back(runExperiment(guests, again, clock));
        }
        ASSERT_FALSE(running.points().empty());
        std::int64_t previous = 0;
        for (const RunningPoint& point : running.points()) {
            ASSERT_GT(point.experiments, previous);
            previous = point.experiments;
            ShortageCounts counts(guests);
            std::int64_t sum = 0;
            for (std::int64_t i = 0; i < point.experiments; ++i) {
                sum += own[static_cast<std::size_t>(i)];
                counts.count(own[static_cast<std::size_t>(i)]);
            }
            EXPECT_NEAR(point.average, static_cast<double>(sum) / static_cast<double>(point.experiments), 1e-9);
            for (std::size_t share = 0; share < kReadyPercents.size(); ++share) {
                EXPECT_EQ(point.coins[share], coinsToHaveReady(counts, kReadyPercents[share])) << point.experiments;
            }
        }
        EXPECT_EQ(previous, kExperiments) << "the last point is the whole run";

        // And the whole of it is what a run of as many experiments counts.
        RandomGenerator seeded(7);
        const RunResult result = runExperiments({guests, kExperiments}, seeded, clock);
        EXPECT_DOUBLE_EQ(running.points().back().average, result.meanShortage());
    }
}

TEST(RunningAverage, GrowsAPowerOfTenEachFifthOfItsTimeAndStopsAtTheEnd)
{
    RandomGenerator random(1);
    FixedClock clock;
    RunningAverage running(runningShortages(35, kRunningExperiments, random, clock), 35);
    const struct {
        double seconds;  // played so far
        std::int64_t shown;
    } steps[] = {{0.0, 1}, {1.2, 10}, {3.0, 316}, {3.6, 1000}, {4.8, 10000}, {6.0, 100000}};
    double played = 0.0;
    for (const auto& step : steps) {
        running.advance(step.seconds - played);
        played = step.seconds;
        EXPECT_NEAR(static_cast<double>(running.shownExperiments()), static_cast<double>(step.shown), 1.0) << step.seconds;
    }
    EXPECT_TRUE(running.finished());
    EXPECT_FALSE(running.playing());
    running.togglePause();  // at the end: from the start again
    EXPECT_EQ(running.shownExperiments(), 1);
    running.togglePause();
    running.advance(3.0);
    EXPECT_EQ(running.shownExperiments(), 1) << "paused";
    running.finish();
    EXPECT_EQ(running.shownExperiments(), kRunningExperiments);
}

}  // namespace
}  // namespace coinwell::core
