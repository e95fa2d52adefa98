#include "engine/run.h"
#include "support/engine_fakes.h"
#include "engine/random_generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iostream>
#include <numeric>
#include <string>
#include <vector>

namespace coinwell::engine {
namespace {

// The probability that a fair coin-toss walk from 0 stays at or above
// `floor` after each of n guests.
double staysAtOrAbove(int n, int floor)
{
    std::vector<double> p(static_cast<std::size_t>(2 * n + 3), 0.0);  // balance b at b + n + 1
    p[static_cast<std::size_t>(n + 1)] = 1.0;
    for (int guest = 1; guest <= n; ++guest) {
        std::vector<double> next(p.size(), 0.0);
        for (std::size_t i = 1; i + 1 < p.size(); ++i) {
            for (std::size_t after : {i - 1, i + 1}) {
                if (static_cast<int>(after) - n - 1 >= floor) {
                    next[after] += p[i] / 2.0;
                }
            }
        }
        p.swap(next);
    }
    return std::accumulate(p.begin(), p.end(), 0.0);
}

// Upper 0.1 % point of chi-square with df degrees of freedom (Wilson-Hilferty,
// within 1 % from 10 degrees of freedom up).
double chiSquareCritical001(int df)
{
    constexpr double kZ = 3.090232306167813;  // upper 0.1 % point of N(0, 1)
    const double a = 2.0 / (9.0 * df);
    return df * std::pow(1.0 - a + kZ * std::sqrt(a), 3);
}

// With the clock frozen every experiment is re-seeded with the same value;
// the shortages must still follow the exact distribution of a fair walk's
// lowest balance.
TEST(ShortageDistribution, RunWithFrozenClockFollowsTheFairWalk)
{
    constexpr int kGuests = 100;
    constexpr int kExperiments = 1000;
    RandomGenerator random(0xC0FFEE'2024ULL);
    testing::FakeClock frozen;

    const RunResult result = runExperiments(Settings{kGuests, kExperiments}, random, frozen);

    // Neighbouring shortages -100..+1 are merged, from the lowest up, until
    // each group expects at least 5 experiments.
    std::vector<std::pair<double, int>> groups(1);  // expected, observed
    int observed = 0;
    for (int shortage = -kGuests; shortage <= 1; ++shortage) {
        if (groups.back().first >= 5.0) {
            groups.emplace_back();
        }
        const int count = result.tally.bins[static_cast<std::size_t>(Tally::binOf(shortage))];
        groups.back().first += kExperiments * (staysAtOrAbove(kGuests, shortage) - staysAtOrAbove(kGuests, shortage + 1));
        groups.back().second += count;
        observed += count;
    }
    ASSERT_EQ(observed, kExperiments) << "a shortage outside -100..+1";
    ASSERT_GE(groups.back().first, 5.0);

    double chiSquare = 0.0;
    for (const auto& [expected, count] : groups) {
        chiSquare += std::pow(count - expected, 2) / expected;
    }
    const int df = static_cast<int>(groups.size()) - 1;
    std::cout << "[ stats    ] chi-square " << chiSquare << " with " << df << " degrees of freedom\n";
    ASSERT_GE(df, 10);
    EXPECT_LT(chiSquare, chiSquareCritical001(df));
}

}  // namespace
}  // namespace coinwell::engine
