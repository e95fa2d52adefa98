#include "engine/random_generator.h"

#include <gtest/gtest.h>

#include <vector>

namespace coinwell::engine {
namespace {

std::vector<float> draws(RandomSource& random, std::size_t count)
{
    std::vector<float> draws(count);
    random.fill(draws);
    return draws;
}

TEST(RandomGenerator, AMillionDrawsLieInTheUnitIntervalEvenlySpread)
{
    constexpr std::size_t kCount = 1'000'000;
    RandomGenerator random;
    double sum = 0.0;
    std::size_t belowHalf = 0;
    for (float draw : draws(random, kCount)) {
        ASSERT_GE(draw, 0.0F);
        ASSERT_LT(draw, 1.0F);
        sum += draw;
        belowHalf += draw < 0.5F ? 1U : 0U;
    }
    // Five standard errors: 0.00029 for the mean, 0.0005 for the share of heads.
    EXPECT_NEAR(sum / kCount, 0.5, 0.0015);
    EXPECT_NEAR(static_cast<double>(belowHalf) / kCount, 0.5, 0.0025);
}

TEST(RandomGenerator, TheConstructionSeedAndReseedsReproduceTheSequence)
{
    RandomGenerator whole(12345);
    RandomGenerator pieces(12345);
    RandomGenerator other(12346);
    const std::vector<float> expected = draws(whole, 600);
    std::vector<float> got;
    for (std::size_t size : {1, 255, 300, 44}) {
        const std::vector<float> piece = draws(pieces, size);
        got.insert(got.end(), piece.begin(), piece.end());
    }
    EXPECT_EQ(got, expected) << "drawn at once or in pieces";
    EXPECT_NE(draws(other, 600), expected) << "another construction seed";

    whole.reseed(43200.5F);
    pieces.reseed(43200.5F);
    EXPECT_EQ(draws(pieces, 64), draws(whole, 64)) << "the same re-seed continues alike";
}

// Experiments started within one clock tick get the same seed.
TEST(RandomGenerator, ReseedingTwiceWithOneValueContinuesDifferently)
{
    for (float seed : {0.0F, 43200.0F}) {
        RandomGenerator random;
        random.reseed(seed);
        const std::vector<float> first = draws(random, 100);
        random.reseed(seed);
        EXPECT_NE(draws(random, 100), first) << "seed " << seed;
    }
}

}  // namespace
}  // namespace coinwell::engine
