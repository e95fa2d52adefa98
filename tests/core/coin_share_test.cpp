#include "core/biased_tosses.h"
#include "core/experiment.h"
#include "core/goodness_of_fit.h"
#include "core/random_generator.h"
#include "core/run.h"
#include "core/shortage_law.h"
#include "support/engine_fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <span>
#include <vector>

namespace coinwell::core {
namespace {

// Every one of the 2^n toss sequences, each as likely as p to the power of
// the guests paying with a coin times 1 - p to the power of the others: the
// chance of each lowest balance is the law's.
TEST(CoinShare, ExactLawWeighsEveryTossSequenceUpToFourteenGuests)
{
    for (const int percent : {1, 10, 40, 50, 73, 99}) {
        const double p = percent / 100.0;
        for (int guests = 1; guests <= 14; ++guests) {
            SCOPED_TRACE(::testing::Message() << percent << " %, " << guests << " guests");
            std::vector<double> chance(static_cast<std::size_t>(guests) + 2, 0.0);
            for (unsigned tosses = 0; tosses < (1U << guests); ++tosses) {
                const int paying = std::popcount(tosses);
                chance[static_cast<std::size_t>(testing::lowestBalanceOf(tosses, guests) + guests)] +=
                    std::pow(p, paying) * std::pow(1.0 - p, guests - paying);
            }
            const ShortageLaw law(guests, percent);
            double mean = 0.0;
            for (int shortage = -guests; shortage <= 1; ++shortage) {
                const double expected = chance[static_cast<std::size_t>(shortage + guests)];
                EXPECT_NEAR(law.probability(shortage), expected, 1e-13 + 1e-11 * expected) << "shortage " << shortage;
                mean += shortage * expected;
            }
            EXPECT_NEAR(law.mean(), mean, 1e-12);
        }
    }
}

// At the most guests, every share's law is a law: no chance below 0, none
// lost or made up, whatever the powers of 0.01 and 0.99 come to on the way.
TEST(CoinShare, EveryShareGivesALawAtAThousandGuests)
{
    for (int percent = 1; percent <= 99; ++percent) {
        const ShortageLaw law(1000, percent);
        double total = 0.0;
        for (int shortage = -1000; shortage <= 1; ++shortage) {
            ASSERT_GE(law.probability(shortage), 0.0) << percent << " %, shortage " << shortage;
            total += law.probability(shortage);
        }
        EXPECT_NEAR(total, 1.0, 1e-9) << percent << " %";
        EXPECT_LE(law.mean(), 1.0);
        EXPECT_GE(law.mean(), -1000.0);
    }
    // Fewer payers with a coin need more coins, in proportion to the guests.
    EXPECT_NEAR(ShortageLaw(1000, 40).mean(), -200.0, 5.0);
    EXPECT_GT(ShortageLaw(1000, 60).mean(), -3.0);
}

// What each pattern of eight guests comes to, in 2^-32ths, from the table:
// column b is drawn 2^24 times in 2^32, and gives b `keep` of those and its
// alias the rest. That is the pattern's chance for the share, every guest
// tossed on his own, to the rounding of each chance and of their sum.
TEST(CoinShare, TossPatternsGiveEveryPatternOfEightGuestsItsChance)
{
    for (const int percent : {1, 2, 33, 40, 50, 67, 99}) {
        const TossPatterns& patterns = tossPatterns(percent);
        std::array<std::int64_t, 256> mass{};
        for (std::size_t column = 0; column < 256; ++column) {
            const std::int64_t keep = patterns[column] >> 8U;
            const std::size_t alias = patterns[column] & 0xFFU;
            ASSERT_TRUE(keep < (1 << 24) - 1 || alias == column) << percent << " %, column " << column;
            mass[column] += keep;
            mass[alias] += (1 << 24) - keep;
        }
        std::int64_t total = 0;
        const double p = percent / 100.0;
        for (unsigned pattern = 0; pattern < 256; ++pattern) {
            const int change = std::popcount(pattern);
            const double chance = std::pow(p, 8 - change) * std::pow(1 - p, change);
            EXPECT_NEAR(static_cast<double>(mass[pattern]), std::ldexp(chance, 32), 256.0)
                << percent << " %, pattern " << pattern;
            total += mass[pattern];
        }
        EXPECT_EQ(total, std::int64_t{1} << 32) << percent << " %";
    }
}

// A source that serves the words it is given, then zeros.
struct ListSource final : RandomSource {
    void reseed(float) override {}
    void fill(std::span<std::uint64_t> words) override
    {
        for (std::uint64_t& word : words) {
            word = served < list.size() ? list[served] : 0;
            ++served;
        }
    }
    std::vector<std::uint64_t> list;
    std::size_t served = 0;
};

// Each byte of guests takes one half of a word of the source, the low half
// first: its low byte is the column, and the 24 bits above it keep the
// column's pattern while they are below its share of 2^24.
TEST(CoinShare, BiasedTossesKeepAColumnJustBelowItsShareAndTakeItsAliasFromThere)
{
    const TossPatterns& patterns = tossPatterns(40);
    std::vector<std::uint32_t> draws;
    std::vector<std::uint8_t> expected;
    for (std::uint32_t column = 0; column < 256; ++column) {
        const std::uint32_t keep = patterns[column] >> 8U;
        const auto alias = static_cast<std::uint8_t>(patterns[column] & 0xFFU);
        if (keep > 0) {
            draws.push_back((keep - 1) << 8U | column);
            expected.push_back(static_cast<std::uint8_t>(column));
        }
        draws.push_back(keep << 8U | column);
        expected.push_back(alias);
        draws.push_back(0xFFFFFF00U | column);
        expected.push_back(alias);
    }
    while (draws.size() % 8 != 0) {
        draws.push_back(0);
        expected.push_back(0);  // column 0, all eight paying with a coin, kept
    }
    ASSERT_GT(patterns[0] >> 8U, 0U);
    ListSource source;
    for (std::size_t i = 0; i < draws.size(); i += 2) {
        source.list.push_back(std::uint64_t{draws[i + 1]} << 32U | draws[i]);
    }
    std::vector<std::uint64_t> words(draws.size() / 8);
    biasedTosses(words, source, patterns);
    for (std::size_t byte = 0; byte < draws.size(); ++byte) {
        EXPECT_EQ((words[byte / 8] >> (8 * (byte % 8))) & 0xFFU, expected[byte]) << "draw " << std::hex << draws[byte];
    }
    EXPECT_EQ(source.served, source.list.size());
}

// An experiment's shortage is the lowest of the balances the same draws
// give guest by guest, whole words of guests or not, for every share.
TEST(CoinShare, AnExperimentsShortageIsTheLowestBalanceOfItsMeetingGuestByGuest)
{
    for (const int percent : {1, 40, 50, 73, 99}) {
        for (const int guests : {1, 7, 35, 64, 65, 999, 1000}) {
            RandomGenerator forShortage(static_cast<std::uint64_t>(guests));
            RandomGenerator forMeeting(static_cast<std::uint64_t>(guests));
            FixedClock clock;
            for (int experiment = 0; experiment < 50; ++experiment) {
                const std::vector<int> balances = meetingBalances(guests, forMeeting, clock, percent);
                ASSERT_EQ(runExperiment(guests, forShortage, clock, percent), *std::min_element(balances.begin(), balances.end()))
                    << percent << " %, " << guests << " guests, experiment " << experiment;
            }
        }
    }
}

// Seeded runs of each share follow its exact law; the share of guests who
// pay with a coin is the share asked, over a million guests.
TEST(CoinShare, SeededRunsFollowTheLawOfTheirShare)
{
    for (const int percent : {10, 40, 60, 90}) {
        RandomGenerator random(static_cast<std::uint64_t>(percent));
        FixedClock clock;
        const RunResult result = runExperiments(Settings{35, 20000, percent}, random, clock);
        const std::optional<ChiSquareTest> test = chiSquareTest(result.counts, ShortageLaw(35, percent));
        ASSERT_TRUE(test) << percent;
        std::cout << "[ stats    ] " << percent << " %: chi-square " << test->statistic << " with " << test->degreesOfFreedom
                  << " degrees of freedom, p = " << test->pValue << "\n";
        EXPECT_GT(test->pValue, 0.001) << percent;

        std::array<std::uint64_t, 16> words{};
        long paying = 0;
        for (int block = 0; block < 1000; ++block) {
            biasedTosses(words, random, tossPatterns(percent));
            for (const std::uint64_t word : words) {
                paying += 64 - std::popcount(word);
            }
        }
        const double n = 1000.0 * 16 * 64;
        EXPECT_NEAR(paying / n, percent / 100.0, 5 * std::sqrt(percent / 100.0 * (1 - percent / 100.0) / n)) << percent;
    }
}

}  // namespace
}  // namespace coinwell::core
