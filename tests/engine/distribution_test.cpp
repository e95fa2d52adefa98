#include "engine/experiment_run.h"
#include "fakes.h"
#include "platform/runtime/random_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <set>
#include <vector>

namespace coinwell::engine {
namespace {

// The exact distribution of the lowest balance after guests 1..n of a fair
// coin-toss walk from 0: element k is the probability of a shortage k - n,
// for shortages -n..+1. Worked out step by step over (balance, lowest so far).
std::vector<double> ShortageDistribution(int n)
{
    const int balances = 2 * n + 1;  // -n..n
    const int lows = n + 2;          // -n..+1
    auto at = [&](int balance, int lowest) {
        return static_cast<std::size_t>((balance + n) * lows + (lowest + n));
    };
    std::vector<double> now(static_cast<std::size_t>(balances * lows), 0.0);
    now[at(1, 1)] = 0.5;
    now[at(-1, -1)] = 0.5;
    for (int step = 2; step <= n; ++step) {
        std::vector<double> next(now.size(), 0.0);
        for (int balance = -step + 1; balance <= step - 1; ++balance) {
            for (int lowest = -step + 1; lowest <= 1; ++lowest) {
                const double p = now[at(balance, lowest)];
                if (p == 0.0) {
                    continue;
                }
                for (int change : {+1, -1}) {
                    const int after = balance + change;
                    next[at(after, std::min(lowest, after))] += p / 2.0;
                }
            }
        }
        now.swap(next);
    }
    std::vector<double> distribution(static_cast<std::size_t>(lows), 0.0);
    for (int balance = -n; balance <= n; ++balance) {
        for (int lowest = -n; lowest <= 1; ++lowest) {
            distribution[static_cast<std::size_t>(lowest + n)] += now[at(balance, lowest)];
        }
    }
    return distribution;
}

// The reference distribution is checked against all 2^n paths for small n.
TEST(ShortageDistribution, AgreesWithEveryPathForSmallGuestCounts)
{
    for (int n : {1, 2, 3, 7, 12}) {
        std::vector<double> counted(static_cast<std::size_t>(n + 2), 0.0);
        for (unsigned path = 0; path < (1U << n); ++path) {
            int balance = 0;
            int lowest = 1;
            for (int guest = 0; guest < n; ++guest) {
                balance += ((path >> guest) & 1U) != 0 ? 1 : -1;
                lowest = std::min(lowest, balance);
            }
            counted[static_cast<std::size_t>(lowest + n)] += 1.0 / (1U << n);
        }
        const std::vector<double> exact = ShortageDistribution(n);
        ASSERT_EQ(exact.size(), counted.size());
        for (std::size_t k = 0; k < exact.size(); ++k) {
            EXPECT_NEAR(exact[k], counted[k], 1e-12) << "n = " << n << ", shortage " << int(k) - n;
        }
    }
}

// Upper 0.1 % point of chi-square with df degrees of freedom
// (Wilson-Hilferty), within 1 % for the 10 and more degrees of freedom
// that 1000 experiments of 100 guests give.
double ChiSquareCritical001(int df)
{
    constexpr double kZ = 3.090232306167813;  // upper 0.1 % point of N(0, 1)
    const double a = 2.0 / (9.0 * df);
    return df * std::pow(1.0 - a + kZ * std::sqrt(a), 3);
}

TEST(ShortageDistribution, ChiSquareCriticalValueMatchesTables)
{
    // Published values of the upper 0.1 % point.
    const struct {
        int df;
        double critical;
    } table[] = {{10, 29.588}, {15, 37.697}, {20, 45.315}, {26, 54.052}, {30, 59.703}, {40, 73.402}};
    for (const auto& row : table) {
        EXPECT_NEAR(ChiSquareCritical001(row.df), row.critical, 0.01 * row.critical) << "df " << row.df;
    }
}

// With the clock frozen every experiment is re-seeded with the same value;
// the shortages of 1000 experiments of 100 guests must still follow the
// distribution of a fair walk.
TEST(ShortageDistribution, RunWithFrozenClockFollowsTheFairWalk)
{
    constexpr int kGuests = 100;
    constexpr int kExperiments = 1000;
    platform::RandomGenerator random(0xC0FFEE'2024ULL);
    testing::FakeClock frozen(36000.0F);
    Experiment experiment;

    const RunResult result = RunExperiments(Settings{kGuests, kExperiments}, experiment, random, frozen);

    const std::vector<double> exact = ShortageDistribution(kGuests);
    int tallied = 0;
    for (int shortage = -kGuests; shortage <= 1; ++shortage) {
        tallied += result.Tally.Bins[static_cast<std::size_t>(Tally::BinOf(shortage))];
    }
    ASSERT_EQ(tallied, kExperiments) << "a shortage outside -100..+1";

    // Neighbouring shortages are merged, from the lowest up, until each group
    // expects at least 5 experiments; a short remainder joins the last group.
    struct Group {
        double expected = 0.0;
        int observed = 0;
    };
    std::vector<Group> groups(1);
    for (int shortage = -kGuests; shortage <= 1; ++shortage) {
        if (groups.back().expected >= 5.0) {
            groups.emplace_back();
        }
        groups.back().expected += kExperiments * exact[static_cast<std::size_t>(shortage + kGuests)];
        groups.back().observed += result.Tally.Bins[static_cast<std::size_t>(Tally::BinOf(shortage))];
    }
    if (groups.back().expected < 5.0 && groups.size() > 1) {
        groups[groups.size() - 2].expected += groups.back().expected;
        groups[groups.size() - 2].observed += groups.back().observed;
        groups.pop_back();
    }

    double chiSquare = 0.0;
    for (const Group& group : groups) {
        const double deviation = group.observed - group.expected;
        chiSquare += deviation * deviation / group.expected;
    }
    const int df = static_cast<int>(groups.size()) - 1;
    const double critical = ChiSquareCritical001(df);
    RecordProperty("chi_square", std::to_string(chiSquare));
    RecordProperty("degrees_of_freedom", df);
    RecordProperty("critical_value_0_001", std::to_string(critical));
    std::cout << "[ stats    ] chi-square " << chiSquare << " with " << df
              << " degrees of freedom (0.1 % critical value " << critical << ")\n";

    ASSERT_GE(df, 10);
    EXPECT_LT(chiSquare, critical);

    // The sum agrees with the walk's mean shortage, within 3.29 standard errors.
    double mean = 0.0;
    double meanSquare = 0.0;
    for (int shortage = -kGuests; shortage <= 1; ++shortage) {
        const double p = exact[static_cast<std::size_t>(shortage + kGuests)];
        mean += p * shortage;
        meanSquare += p * shortage * shortage;
    }
    const double standardError = std::sqrt((meanSquare - mean * mean) / kExperiments);
    EXPECT_NEAR(result.AverageShortage(), mean, 3.29 * standardError);
}

TEST(ShortageDistribution, FrozenClockStillGivesFreshTossesEveryExperiment)
{
    constexpr std::int16_t kGuests = 100;
    platform::RandomGenerator random;
    testing::FakeClock frozen(36000.0F);
    Experiment experiment;

    std::set<std::vector<std::int16_t>> seen;
    std::vector<std::int16_t> previous;
    for (int run = 0; run < 1000; ++run) {
        experiment.Run(kGuests, random, frozen);
        std::vector<std::int16_t> tosses(experiment.CoinChange.begin() + 1,
                                         experiment.CoinChange.begin() + 1 + kGuests);
        ASSERT_NE(tosses, previous) << "experiment " << run << " repeats the one before";
        EXPECT_TRUE(seen.insert(tosses).second) << "experiment " << run << " repeats an earlier one";
        previous = std::move(tosses);
    }
}

}  // namespace
}  // namespace coinwell::engine
