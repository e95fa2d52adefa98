#include "core/coins_ready.h"
#include "core/precision.h"
#include "support/engine_fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace coinwell::core {
namespace {

constexpr int kPercents[] = {1, 25, 50, 75, 90, 95, 99};

// Every one of the 2^n toss sequences as a run of 2^n experiments: the
// share of sequences with each lowest balance is the exact law's chance of
// that shortage, which gives its mean and standard deviation; the share
// whose lowest balance stays at -k or above is what k coins cover, both in
// that run and by the exact law; and the fewest k whose share reaches a percent is found by trying k = 0, 1, ... on the sequences
// themselves. Shares of 1/4, 1/2 and 3/4 are reached exactly at 1 and 2
// guests, so these also check the boundary.
TEST(CoinsToHaveReady, MatchEveryTossSequenceUpToFourteenGuests)
{
    for (int guests = 1; guests <= 14; ++guests) {
        SCOPED_TRACE(guests);
        std::vector<int> lowestBalances;
        ShortageCounts run(guests);
        for (unsigned tosses = 0; tosses < (1U << guests); ++tosses) {
            const int lowest = testing::lowestBalanceOf(tosses, guests);
            lowestBalances.push_back(lowest);
            run.count(lowest);
        }
        const ShortageLaw law(guests);
        const auto sequencesCovered = [&](int coins) {
            return std::count_if(lowestBalances.begin(), lowestBalances.end(), [&](int b) { return b >= -coins; });
        };
        const double all = static_cast<double>(lowestBalances.size());
        double mean = 0.0;
        double meanSquare = 0.0;
        for (int shortage = -guests - 1; shortage <= 2; ++shortage) {
            const double p = static_cast<double>(std::count(lowestBalances.begin(), lowestBalances.end(), shortage)) / all;
            EXPECT_NEAR(law.probability(shortage), p, 1e-15) << "shortage " << shortage;
            mean += shortage * p;
            meanSquare += shortage * shortage * p;
        }
        EXPECT_NEAR(law.mean(), mean, 1e-13);
        EXPECT_NEAR(standardDeviation(law), std::sqrt(meanSquare - mean * mean), 1e-12);
        for (int coins = 0; coins <= guests; ++coins) {
            const double share = static_cast<double>(sequencesCovered(coins)) / all;
            EXPECT_EQ(shareCovered(run, coins), share) << coins << " coins";
            EXPECT_NEAR(shareCovered(law, coins), share, 1e-15) << coins << " coins";
        }
        for (const int percent : kPercents) {
            int fewest = 0;
            while (100 * sequencesCovered(fewest) < percent * static_cast<std::int64_t>(lowestBalances.size())) {
                ++fewest;
            }
            EXPECT_EQ(coinsToHaveReady(run, percent), fewest) << percent << " %";
            EXPECT_EQ(coinsToHaveReady(law, percent), fewest) << percent << " %";
        }
    }
}

// By reflection, the chance that the balance of n tosses goes to -a or
// below (a >= 1): P(S_n <= -a) + P(S_n < -a), summed from the small end out
// of the binomials in logarithms, so that a far tail keeps its precision.
double reflectedTail(int guests, int a)
{
    double tail = 0.0;
    for (int j = 0; 2 * j - guests <= -a; ++j) {
        tail += (2 * j - guests < -a ? 2.0 : 1.0) *
                std::exp(std::lgamma(guests + 1.0) - std::lgamma(j + 1.0) - std::lgamma(guests - j + 1.0) -
                         guests * std::log(2.0));
    }
    return tail;
}

// Each row holds for the reflected shares (k coins reach the percent,
// k - 1 do not), and the exact law gives the same k. At 1000 guests and
// 95 % the share of 61 coins is 0.950015, the closest call of all.
TEST(CoinsToHaveReady, ExactLawAgreesWithTheReflectionPrinciple)
{
    const struct {
        int guests, percent, coins;
    } cases[] = {
        {10, 90, 5},  {10, 95, 6},  {10, 99, 8},  {35, 90, 9},    {35, 95, 11},   {35, 99, 15},
        {100, 90, 16}, {100, 95, 19}, {100, 99, 25}, {1000, 90, 52}, {1000, 95, 61}, {1000, 99, 81},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.guests << " guests, " << c.percent << " %");
        const double goal = c.percent / 100.0;
        EXPECT_GE(1.0 - reflectedTail(c.guests, c.coins + 1), goal);
        EXPECT_LT(1.0 - reflectedTail(c.guests, c.coins), goal);
        const ShortageLaw law(c.guests);
        EXPECT_EQ(coinsToHaveReady(law, c.percent), c.coins);
        for (const int coins : {c.coins - 1, c.coins}) {
            EXPECT_NEAR(shareCovered(law, coins), 1.0 - reflectedTail(c.guests, coins + 1), 1e-12) << coins << " coins";
        }
    }
    // With 100 guests, 8 coins leave about 37 % of meetings short.
    EXPECT_NEAR(1.0 - shareCovered(ShortageLaw(100), 8), 0.368, 0.001);
    // The far tails of 1000 guests keep their precision, down to about 2e-10.
    const ShortageLaw law(1000);
    for (const int a : {1, 2, 10, 31, 60, 100, 150, 200}) {
        EXPECT_NEAR(law.atOrBelow(-a) / reflectedTail(1000, a), 1.0, 1e-9) << "shortage -" << a;
    }
}

// A share a few units in the last place below the goal reaches it; one
// that is really below does not.
TEST(CoinsToHaveReady, AShareReachesAPercentUpToRounding)
{
    const struct {
        double share;
        int percent;
        bool reaches;
    } cases[] = {
        {0.95, 95, true}, {std::nextafter(0.95, 0.0), 95, true},
        {0.95 - 4 * kShareTolerance / 5, 95, true}, {0.95 - 2 * kShareTolerance, 95, false},
        {0.1 + 0.2, 30, true}, {1.0 - 0.9, 10, true},  // 0.30000000000000004 and 0.09999999999999998
    };
    for (const auto& c : cases) {
        EXPECT_EQ(reachesPercent(c.share, c.percent), c.reaches) << c.share << " for " << c.percent << " %";
    }
}

// A run's shares are whole numbers of experiments: 95 % of 20 experiments
// is 19 of them exactly, and of ten million one short of 9,500,000 is not
// enough.
TEST(CoinsToHaveReady, ARunComparesWholeExperiments)
{
    const struct {
        const char* what;
        int guests;
        std::vector<std::pair<int, int>> counted;  // shortage, experiments
        int percent, coins;
    } cases[] = {
        {"no experiments", 10, {}, 95, 0},
        {"every meeting ends above zero", 10, {{1, 7}}, 99, 0},
        {"19 of 20 down to -3", 10, {{1, 4}, {-3, 15}, {-7, 1}}, 95, 3},
        {"18 of 20 down to -3", 10, {{1, 3}, {-3, 15}, {-7, 2}}, 95, 7},
        {"9,500,000 of 10^7 at 0 or above", 1000, {{0, 9'500'000}, {-1000, 500'000}}, 95, 0},
        {"9,499,999 of 10^7 at 0 or above", 1000, {{0, 9'499'999}, {-999, 1}, {-1000, 500'000}}, 95, 999},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ShortageCounts counts(c.guests);
        for (const auto& [shortage, experiments] : c.counted) {
            for (int i = 0; i < experiments; ++i) {
                counts.count(shortage);
            }
        }
        EXPECT_EQ(coinsToHaveReady(counts, c.percent), c.coins);
    }
}

}  // namespace
}  // namespace coinwell::core
