#include "engine/experiment.h"
#include "fakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace coinwell::engine {
namespace {

using testing::FakeClock;
using testing::ScriptedRandom;

const float kJustBelowHalf = std::nextafter(0.5F, 0.0F);
const float kJustBelowOne = std::nextafter(1.0F, 0.0F);

// A run of equal tosses: `guests` guests whose draw is `draw`, each changing
// the coin box by `change`.
struct Stretch {
    int guests;
    float draw;
    int change;
};

struct PathCase {
    std::string name;
    std::vector<Stretch> stretches;
    int shortage;
    int finalBalance;
};

std::vector<Stretch> Alternate(int guests, Stretch first, Stretch second)
{
    std::vector<Stretch> path;
    for (int guest = 0; guest < guests; ++guest) {
        path.push_back(guest % 2 == 0 ? first : second);
        path.back().guests = 1;
    }
    return path;
}

const Stretch kPays{1, 0.25F, +1};     // pays with a coin
const Stretch kTakes{1, 0.75F, -1};    // pays with four bills, takes a coin back

std::vector<PathCase> PathCases()
{
    return {
        {"AllCoins10", {{10, 0.25F, +1}}, +1, 10},
        {"AllCoins1000", {{1, 0.0F, +1}, {998, 0.1F, +1}, {1, kJustBelowHalf, +1}}, +1, 1000},
        {"AllBills10", {{10, 0.75F, -1}}, -10, -10},
        {"AllBills1000", {{500, 0.5F, -1}, {499, 0.9F, -1}, {1, kJustBelowOne, -1}}, -1000, -1000},
        {"ExactlyHalfTakesACoin", {{10, 0.5F, -1}}, -10, -10},
        {"HalfAndJustBelowHalf",
         Alternate(10, {1, kJustBelowHalf, +1}, {1, 0.5F, -1}), 0, 0},
        {"CoinThenBills10", Alternate(10, kPays, kTakes), 0, 0},
        {"CoinThenBills11", Alternate(11, kPays, kTakes), 0, 1},
        {"BillsThenCoin10", Alternate(10, kTakes, kPays), -1, 0},
        {"BillsThenCoin1000", Alternate(1000, kTakes, kPays), -1, 0},
        {"DipThenRecover", {{3, 0.75F, -1}, {7, 0.25F, +1}}, -3, 4},
        {"LowestAfterLastGuest", {{1, 0.25F, +1}, {9, 0.75F, -1}}, -8, -8},
        {"BackToZeroAtTheEnd", {{5, 0.25F, +1}, {5, 0.75F, -1}}, 0, 0},
        {"SingleBillAtTheEnd", {{9, 0.25F, +1}, {1, 0.5F, -1}}, +1, 8},
    };
}

class ExperimentPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(ExperimentPath, ShortageTablesAndLastValues)
{
    const PathCase& path = GetParam();
    std::vector<float> draws;
    std::vector<int> changes;
    for (const Stretch& stretch : path.stretches) {
        draws.insert(draws.end(), static_cast<std::size_t>(stretch.guests), stretch.draw);
        changes.insert(changes.end(), static_cast<std::size_t>(stretch.guests), stretch.change);
    }
    const auto guests = static_cast<std::int16_t>(draws.size());
    ScriptedRandom random(draws);
    FakeClock clock(30000.0F);
    Experiment experiment;

    EXPECT_EQ(experiment.Run(guests, random, clock), path.shortage);

    EXPECT_EQ(random.served, draws.size()) << "one draw per guest";
    EXPECT_EQ(experiment.Balance, path.finalBalance);
    EXPECT_EQ(experiment.Draw, draws.back()) << "the last guest's draw is kept";
    EXPECT_EQ(experiment.CoinChange[0], 0) << "element 0 is never used";
    EXPECT_EQ(experiment.BalanceAfter[0], 0) << "element 0 is never used";
    int balance = 0;
    for (std::size_t guest = 1; guest <= draws.size(); ++guest) {
        balance += changes[guest - 1];
        ASSERT_EQ(experiment.CoinChange[guest], changes[guest - 1]) << "guest " << guest;
        ASSERT_EQ(experiment.BalanceAfter[guest], balance) << "guest " << guest;
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, ExperimentPath, ::testing::ValuesIn(PathCases()),
                         [](const auto& info) { return info.param.name; });

TEST(Experiment, ReseedsOnceWithTheTimeOfDayBeforeDrawing)
{
    constexpr std::int16_t kGuests = 10;
    constexpr int kExperiments = 3;
    ScriptedRandom random(std::vector<float>(kGuests * kExperiments, 0.25F));
    FakeClock clock(43210.5F, 0.25F);
    Experiment experiment;

    for (int run = 0; run < kExperiments; ++run) {
        experiment.Run(kGuests, random, clock);
    }

    EXPECT_EQ(clock.readings, kExperiments);
    EXPECT_EQ(random.seeds, (std::vector<float>{43210.5F, 43210.75F, 43211.0F}));
    EXPECT_EQ(random.calls, "RFRFRF") << "re-seeded before the draws of every experiment";
}

TEST(Experiment, ALongerExperimentAfterAShorterOneRewritesEveryGuest)
{
    ScriptedRandom random(std::vector<float>(10, 0.75F));
    std::vector<float> longer(20, 0.25F);
    ScriptedRandom second(longer);
    FakeClock clock(1.0F);
    Experiment experiment;

    experiment.Run(10, random, clock);
    EXPECT_EQ(experiment.Run(20, second, clock), 1);
    for (std::size_t guest = 1; guest <= 20; ++guest) {
        ASSERT_EQ(experiment.BalanceAfter[guest], static_cast<int>(guest)) << "guest " << guest;
    }
    EXPECT_EQ(experiment.Balance, 20);
}

}  // namespace
}  // namespace coinwell::engine
