#include "core/coins_ready.h"
#include "core/precision.h"
#include "core/random_generator.h"
#include "core/run.h"
#include "core/running_average.h"
#include "support/engine_fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <iostream>
#include <optional>
#include <utility>
#include <vector>

namespace coinwell::core {
namespace {

ShortageCounts countsOf(int guests, const std::vector<int>& shortages)
{
    ShortageCounts counts(guests);
    for (const int shortage : shortages) {
        counts.count(shortage);
    }
    return counts;
}

// Samples worked out by hand, each interval the mean +- 1.96 SE; the exact
// mean of 10 guests is -1.9609375.
TEST(AveragePrecision, MatchesSamplesWorkedOutByHand)
{
    const struct {
        std::vector<int> shortages;
        double sd, se, low, high;
        bool inside;
    } cases[] = {
        // mean -1, squares 4+1+0+1+4 = 10 over 4, SE sqrt(2.5 / 5).
        {{1, 0, -1, -2, -3}, 1.5811388300841898, 0.7071067811865476, -2.385929291, 0.385929291, true},
        // mean 0.5, squares 8 x 0.25 = 2 over 7, SE sqrt(2 / 7 / 8).
        {{1, 1, 1, 1, 0, 0, 0, 0}, 0.5345224838248488, 0.1889822365046136, 0.129594816, 0.870405184, false},
        // mean -2, squares 1+1+1+9 = 12 over 3.
        {{-3, -3, -3, 1}, 2.0, 1.0, -3.96, -0.04, true},
        {{-2, -2}, 0.0, 0.0, -2.0, -2.0, false},
    };
    const ShortageLaw law(10);
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.shortages));
        const std::optional<AveragePrecision> p = averagePrecision(countsOf(10, c.shortages), law);
        ASSERT_TRUE(p);
        EXPECT_NEAR(p->standardDeviation, c.sd, 1e-12);
        EXPECT_NEAR(p->standardError, c.se, 1e-12);
        EXPECT_NEAR(p->low, c.low, 1e-9);
        EXPECT_NEAR(p->high, c.high, 1e-9);
        EXPECT_EQ(p->exactMeanInside, c.inside);
        // The same one shortage at a time, as a trace takes them.
        RunningTally tally(10);
        for (const int shortage : c.shortages) {
            tally.add(shortage);
        }
        EXPECT_NEAR(tally.point().average, (c.low + c.high) / 2, 1e-9);
        EXPECT_NEAR(tally.point().standardError, c.se, 1e-12);
    }
    EXPECT_FALSE(averagePrecision(countsOf(10, {-4}), law)) << "one experiment has no spread";
    EXPECT_FALSE(averagePrecision(countsOf(10, {}), law));
}

// The binomial(n, p) law by brute force: every one of the 2^n ways n
// experiments can fall on either side of a quantile, with its chance.
std::vector<double> binomialByEnumeration(int n, double p)
{
    std::vector<double> mass(static_cast<std::size_t>(n) + 1, 0.0);
    for (unsigned ways = 0; ways < (1U << n); ++ways) {
        double chance = 1.0;
        for (int i = 0; i < n; ++i) {
            chance *= ((ways >> i) & 1U) != 0 ? p : 1.0 - p;
        }
        mass[static_cast<std::size_t>(__builtin_popcount(ways))] += chance;
    }
    return mass;
}

// The lower rank is the last whose binomial tail below stays within 2.5 %,
// the upper the first whose tail from it up does: for up to 12 experiments
// against the law enumerated, for longer runs against ranks worked out in
// exact rational arithmetic.
TEST(CoinsRange, RanksBoundTheBinomialTails)
{
    for (const int percent : kReadyPercents) {
        for (int n = 1; n <= 12; ++n) {
            SCOPED_TRACE(::testing::Message() << n << " experiments, " << percent << " %");
            const std::vector<double> mass = binomialByEnumeration(n, percent / 100.0);
            const auto below = [&](std::int64_t rank) {
                double sum = 0.0;
                for (std::int64_t k = 0; k < rank; ++k) {
                    sum += mass[static_cast<std::size_t>(k)];
                }
                return sum;
            };
            const QuantileRanks ranks = quantileRanks(n, percent);
            ASSERT_TRUE(0 <= ranks.lower && ranks.lower < ranks.upper && ranks.upper <= n + 1);
            EXPECT_LE(below(ranks.lower), 0.025);
            EXPECT_TRUE(ranks.lower == n || below(ranks.lower + 1) > 0.025);
            EXPECT_LE(1.0 - below(ranks.upper), 0.025 + 1e-15);
            EXPECT_TRUE(ranks.upper == 1 || 1.0 - below(ranks.upper - 1) > 0.025);
        }
    }
    const struct {
        std::int64_t n;
        int percent;
        std::int64_t lower, upper;
    } cases[] = {{20, 95, 17, 21}, {100, 90, 84, 96}, {100, 99, 97, 101}, {1000, 90, 881, 919}, {1000, 95, 936, 964}};
    for (const auto& c : cases) {
        const QuantileRanks ranks = quantileRanks(c.n, c.percent);
        EXPECT_EQ(ranks.lower, c.lower) << c.n << " experiments, " << c.percent << " %";
        EXPECT_EQ(ranks.upper, c.upper) << c.n << " experiments, " << c.percent << " %";
    }
}

// Every run of 1 to 12 experiments of 3 and of 5 guests, with its chance by
// the multinomial law of the shortages (their own chances from all 2^guests
// toss sequences): the range's ends are the run's coins, sorted, at the two
// ranks, the run's answer lies between them, and each end misses the exact
// coins in at most 2.5 % of runs, so that the range covers them in at least
// 95 %, however the whole coins tie.
TEST(CoinsRange, CoversTheExactCoinsInAtLeastNinetyFivePercentOfRuns)
{
    for (const int guests : {3, 5}) {
        std::vector<double> chance(static_cast<std::size_t>(guests) + 2, 0.0);  // shortage s at s + guests
        for (unsigned tosses = 0; tosses < (1U << guests); ++tosses) {
            chance[static_cast<std::size_t>(testing::lowestBalanceOf(tosses, guests) + guests)] += 1.0 / (1U << guests);
        }
        const ShortageLaw law(guests);
        for (int n = 1; n <= 12; ++n) {
            for (const int percent : kReadyPercents) {
                SCOPED_TRACE(::testing::Message() << guests << " guests, " << n << " experiments, " << percent << " %");
                const int exact = coinsToHaveReady(law, percent);
                const QuantileRanks ranks = quantileRanks(n, percent);
                double tooHigh = 0.0;
                double tooLow = 0.0;
                std::vector<int> taken(chance.size());  // experiments per shortage, as in `chance`
                const auto visit = [&] {
                    double p = 1.0;
                    std::vector<int> shortages;
                    for (std::size_t i = 0; i < taken.size(); ++i) {
                        p *= std::pow(chance[i], taken[i]) / std::tgamma(taken[i] + 1.0);
                        shortages.insert(shortages.end(), static_cast<std::size_t>(taken[i]), static_cast<int>(i) - guests);
                    }
                    p *= std::tgamma(n + 1.0);
                    std::vector<int> coins;
                    for (const int s : shortages) {
                        coins.push_back(std::max(0, -s));
                    }
                    std::sort(coins.begin(), coins.end());
                    const CoinsRange range = coinsRange(countsOf(guests, shortages), law, percent);
                    EXPECT_EQ(range.fewest, ranks.lower >= 1 ? coins[static_cast<std::size_t>(ranks.lower - 1)] : 0);
                    EXPECT_EQ(range.most, ranks.upper <= n ? coins[static_cast<std::size_t>(ranks.upper - 1)] : guests);
                    EXPECT_TRUE(range.fewest <= range.coins && range.coins <= range.most);
                    EXPECT_EQ(range.exact, exact);
                    tooHigh += range.fewest > exact ? p : 0.0;
                    tooLow += range.most < exact ? p : 0.0;
                };
                std::function<void(std::size_t, int)> share = [&](std::size_t i, int left) {
                    if (i + 1 == taken.size()) {
                        taken[i] = left;
                        visit();
                        return;
                    }
                    for (int k = 0; k <= left; ++k) {
                        taken[i] = k;
                        share(i + 1, left - k);
                    }
                };
                share(0, n);
                EXPECT_LE(tooHigh, 0.025);
                EXPECT_LE(tooLow, 0.025);
            }
        }
    }
}

// A two-sided acceptance region of binomial(trials, p): the counts that
// leave at most (1 - level) / 2 of the law on either side outside.
std::pair<int, int> acceptanceRegion(int trials, double p, double level)
{
    std::vector<double> mass(static_cast<std::size_t>(trials) + 1);
    for (int k = 0; k <= trials; ++k) {
        mass[static_cast<std::size_t>(k)] = std::exp(std::lgamma(trials + 1.0) - std::lgamma(k + 1.0) -
                                                     std::lgamma(trials - k + 1.0) + k * std::log(p) +
                                                     (trials - k) * std::log(1.0 - p));
    }
    const double tail = (1.0 - level) / 2.0;
    int low = 0;
    for (double below = mass[0]; below <= tail; below += mass[static_cast<std::size_t>(++low)]) {
    }
    int high = trials;
    for (double above = mass[static_cast<std::size_t>(trials)]; above <= tail;
         above += mass[static_cast<std::size_t>(--high)]) {
    }
    return {low, high};
}

// 1000 seeded runs of 100 guests x 100 experiments: the share of runs whose
// interval holds the exact mean, and whose range of coins holds the exact
// coins, against the nominal 95 %; the mean's interval is a normal
// approximation and must come close, the coins' ranges are at least 95 %
// by construction.
TEST(Precision, SeededRunsCoverTheExactValuesAsOftenAsNominal)
{
    constexpr int kRuns = 1000;
    const ShortageLaw law(100);
    int meanInside = 0;
    std::array<int, kReadyPercents.size()> coinsInside{};
    for (int seed = 1; seed <= kRuns; ++seed) {
        RandomGenerator random(static_cast<std::uint64_t>(seed));
        FixedClock clock;
        const RunResult run = runExperiments(Settings{100, 100}, random, clock);
        meanInside += averagePrecision(run.counts, law)->exactMeanInside ? 1 : 0;
        for (std::size_t i = 0; i < kReadyPercents.size(); ++i) {
            const CoinsRange range = coinsRange(run.counts, law, kReadyPercents[i]);
            coinsInside[i] += range.fewest <= range.exact && range.exact <= range.most ? 1 : 0;
        }
    }
    const auto [low, high] = acceptanceRegion(kRuns, 0.95, 0.999);
    std::cout << "[ stats    ] the 95 % interval held the exact mean in " << meanInside << " of " << kRuns
              << " runs (99.9 % acceptance region " << low << " to " << high << "); the coins' ranges held the exact coins in "
              << coinsInside[0] << ", " << coinsInside[1] << ", " << coinsInside[2] << "\n";
    EXPECT_GE(meanInside, low);
    EXPECT_LE(meanInside, high);
    for (const int inside : coinsInside) {
        EXPECT_GE(inside, low);
    }
}

}  // namespace
}  // namespace coinwell::core
