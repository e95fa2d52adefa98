#include "core/experiment.h"
#include "core/goodness_of_fit.h"
#include "core/random_generator.h"
#include "core/run.h"
#include "core/shortage_law.h"
#include "support/engine_fakes.h"

#include <gtest/gtest.h>

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

TEST(CoinShare, ThresholdIsTheShareOfTwoToTheThirtySecondRounded)
{
    const struct {
        int percent;
        std::uint32_t threshold;
    } cases[] = {{1, 42949673}, {40, 1717986918}, {50, 2147483648U}, {99, 4252017623U}};
    for (const auto& c : cases) {
        EXPECT_EQ(coinThreshold(c.percent), c.threshold) << c.percent;
    }
}

// A source whose words hold, from the top binary digit down, one number per
// guest of a word: word j has guest g's digit 31 - j at bit g.
struct DigitSource final : RandomSource {
    explicit DigitSource(const std::array<std::uint32_t, 64>& numbers)
    {
        for (int place = 31; place >= 0; --place) {
            std::uint64_t word = 0;
            for (unsigned guest = 0; guest < 64; ++guest) {
                word |= static_cast<std::uint64_t>((numbers[guest] >> place) & 1U) << guest;
            }
            digits.push_back(word);
        }
    }
    void reseed(float) override {}
    void fill(std::span<std::uint64_t> words) override
    {
        for (std::uint64_t& word : words) {
            word = served < digits.size() ? digits[served] : 0;
            ++served;
        }
    }
    std::vector<std::uint64_t> digits;
    std::size_t served = 0;
};

// Each guest takes change exactly when its number is at or above the
// threshold, its number read whole here.
TEST(CoinShare, BiasedTossesCompareEachGuestsNumberWithTheThreshold)
{
    for (const int percent : {1, 40, 99}) {
        const std::uint32_t threshold = coinThreshold(percent);
        std::array<std::uint32_t, 64> numbers{};
        std::uint64_t state = 0x9E3779B97F4A7C15ULL * static_cast<std::uint64_t>(percent);
        for (unsigned guest = 0; guest < 64; ++guest) {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            numbers[guest] = static_cast<std::uint32_t>(state >> 32U);
        }
        // Around the threshold, and at both ends.
        const std::uint32_t edges[] = {threshold - 1, threshold, threshold + 1, 0, 0xFFFFFFFFU, threshold ^ 1U,
                                       threshold & ~0xFFU, threshold | 0xFFU};
        std::copy(std::begin(edges), std::end(edges), numbers.begin());
        DigitSource source(numbers);
        std::uint64_t word = 0;
        biasedTosses(std::span(&word, 1), source, threshold);
        for (unsigned guest = 0; guest < 64; ++guest) {
            EXPECT_EQ(((word >> guest) & 1U) != 0, numbers[guest] >= threshold)
                << percent << " %, guest " << guest << ", number " << numbers[guest];
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
            biasedTosses(words, random, coinThreshold(percent));
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
