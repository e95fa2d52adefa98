#include "engine/experiment_run.h"
#include "fakes.h"
#include "platform/runtime/clock.h"
#include "platform/runtime/random_generator.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace coinwell::engine {
namespace {

struct BinCase {
    int shortage;
    int bin;
};

TEST(Tally, EachShortageLandsInItsBin)
{
    const BinCase cases[] = {
        {-1000, 0}, {-200, 0}, {-115, 0},   // below -114: the first bin
        {-114, 1},  {-113, 2}, {-1, 114},   // one bin per shortage
        {0, 115},   {1, 116},  {2, 117}, {3, 118},
        {4, 119},   {5, 119},  {1000, 119},  // above +3: the last bin
    };
    for (const BinCase& c : cases) {
        Tally tally;
        tally.Count(c.shortage);
        for (int bin = 0; bin < Tally::kBinCount; ++bin) {
            ASSERT_EQ(tally.Bins[static_cast<std::size_t>(bin)], bin == c.bin ? 1 : 0)
                << "shortage " << c.shortage << ", bin " << bin;
        }
    }
}

TEST(Tally, ResetEmptiesEveryBin)
{
    Tally tally;
    for (int shortage = -200; shortage <= 10; ++shortage) {
        tally.Count(shortage);
    }
    tally.Reset();
    for (std::int16_t count : tally.Bins) {
        ASSERT_EQ(count, 0);
    }
}

struct RunCase {
    std::int16_t guests;
    std::int16_t experiments;
};

class RealRun : public ::testing::TestWithParam<RunCase> {};

// Every experiment is counted once and the sum is the sum of the shortages.
// A second generator built the same way replays the run experiment by
// experiment, so the shortages are known even where the tally lumps them.
TEST_P(RealRun, TallyAndSumAccountForEveryExperiment)
{
    const auto [guests, experiments] = GetParam();
    const Settings settings{guests, experiments};
    platform::RandomGenerator random(0x5EED'0001ULL);
    testing::FakeClock clock(50000.0F, 0.015625F);
    Experiment experiment;

    const RunResult result = RunExperiments(settings, experiment, random, clock);

    platform::RandomGenerator replayRandom(0x5EED'0001ULL);
    testing::FakeClock replayClock(50000.0F, 0.015625F);
    Experiment replay;
    Tally expectedTally;
    std::int32_t expectedSum = 0;
    for (int index = 0; index < experiments; ++index) {
        const int shortage = replay.Run(guests, replayRandom, replayClock);
        ASSERT_GE(shortage, -guests);
        ASSERT_LE(shortage, 1);
        expectedSum += shortage;
        expectedTally.Count(shortage);
    }

    EXPECT_EQ(result.ExperimentCount, experiments);
    EXPECT_EQ(std::accumulate(result.Tally.Bins.begin(), result.Tally.Bins.end(), 0), experiments);
    EXPECT_EQ(result.Tally.Bins, expectedTally.Bins);
    EXPECT_EQ(result.ShortageSum, expectedSum);
    EXPECT_FLOAT_EQ(result.AverageShortage(), static_cast<float>(expectedSum) / experiments);
    EXPECT_EQ(experiment.BalanceAfter, replay.BalanceAfter) << "the last experiment is kept";
}

INSTANTIATE_TEST_SUITE_P(Sizes, RealRun,
                         ::testing::Values(RunCase{10, 1}, RunCase{10, 1000}, RunCase{114, 300},
                                           RunCase{1000, 1000}));

TEST(RealRun, WithTheSystemClockEveryExperimentIsTallied)
{
    // 114 guests keep every shortage in a bin of its own, so the tally
    // alone gives back the sum.
    const Settings settings{114, 1000};
    platform::RandomGenerator random;
    platform::SystemClock clock;
    Experiment experiment;

    const RunResult result = RunExperiments(settings, experiment, random, clock);

    int experiments = 0;
    std::int32_t sum = 0;
    for (int bin = 0; bin < Tally::kBinCount; ++bin) {
        const int count = result.Tally.Bins[static_cast<std::size_t>(bin)];
        experiments += count;
        sum += count * (bin + Tally::kLowestSingleShortage - 1);
    }
    EXPECT_EQ(experiments, 1000);
    EXPECT_EQ(result.ShortageSum, sum);
    EXPECT_EQ(result.Tally.Bins[0], 0) << "no shortage below -114 with 114 guests";
    EXPECT_EQ(result.Tally.Bins[Tally::kBinCount - 1], 0) << "no shortage above +1";
}

// Scripted draws reach the shortages a real run almost never gives, down to
// -1000, where the tally lumps them into its first bin but the sum may not.
TEST(ScriptedRun, SumsShortagesBeyondTheTallysRange)
{
    const struct {
        std::int16_t guests;
        std::int16_t experiments;
        float draw;
        std::int32_t sum;
        int bin;
    } cases[] = {
        {1000, 3, 0.75F, -3000, 0},
        {200, 5, 0.5F, -1000, 0},
        {115, 2, 0.9F, -230, 0},
        {114, 2, 0.9F, -228, 1},
        {1000, 4, 0.25F, 4, 116},
        {10, 1000, 0.0F, 1000, 116},
    };
    for (const auto& c : cases) {
        testing::ScriptedRandom random(
            std::vector<float>(static_cast<std::size_t>(c.guests * c.experiments), c.draw));
        testing::FakeClock clock(1000.0F, 1.0F);
        Experiment experiment;

        const RunResult result = RunExperiments(Settings{c.guests, c.experiments}, experiment, random, clock);

        EXPECT_EQ(result.ShortageSum, c.sum) << c.guests << " guests";
        EXPECT_EQ(result.Tally.Bins[static_cast<std::size_t>(c.bin)], c.experiments) << c.guests << " guests";
        EXPECT_EQ(random.seeds.size(), static_cast<std::size_t>(c.experiments));
    }
}

TEST(RunResult, AverageShortageDividesTheSumByTheExperiments)
{
    const struct {
        std::int32_t sum;
        std::int16_t experiments;
        float average;
    } cases[] = {
        {-1234, 1000, -1.234F},
        {-1000000, 1000, -1000.0F},
        {1, 1, 1.0F},
        {-7, 3, -7.0F / 3.0F},
        {0, 0, 0.0F},  // nothing run yet
    };
    for (const auto& c : cases) {
        RunResult result;
        result.ShortageSum = c.sum;
        result.ExperimentCount = c.experiments;
        EXPECT_FLOAT_EQ(result.AverageShortage(), c.average) << c.sum << " / " << c.experiments;
    }
}

}  // namespace
}  // namespace coinwell::engine
