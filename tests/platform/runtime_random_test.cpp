#include "platform/runtime/random_generator.h"

#include <gtest/gtest.h>

#include <vector>

namespace coinwell::platform {
namespace {

std::vector<float> Draws(RandomSource& random, std::size_t count)
{
    std::vector<float> draws(count);
    random.Fill(draws);
    return draws;
}

TEST(RandomGenerator, AMillionDrawsLieInTheUnitIntervalEvenlySpread)
{
    constexpr std::size_t kCount = 1'000'000;
    RandomGenerator random;
    double sum = 0.0;
    std::size_t belowHalf = 0;
    for (float draw : Draws(random, kCount)) {
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
    const std::vector<float> expected = Draws(whole, 600);
    std::vector<float> got;
    for (std::size_t size : {1, 255, 300, 44}) {
        const std::vector<float> piece = Draws(pieces, size);
        got.insert(got.end(), piece.begin(), piece.end());
    }
    EXPECT_EQ(got, expected) << "drawn at once or in pieces";
    EXPECT_NE(Draws(other, 600), expected) << "another construction seed";

    whole.Reseed(43200.5F);
    pieces.Reseed(43200.5F);
    EXPECT_EQ(Draws(pieces, 64), Draws(whole, 64)) << "the same re-seed continues alike";
}

// Experiments started within one clock tick get the same seed.
TEST(RandomGenerator, ReseedingTwiceWithOneValueContinuesDifferently)
{
    for (float seed : {0.0F, 43200.0F}) {
        RandomGenerator random;
        random.Reseed(seed);
        const std::vector<float> first = Draws(random, 100);
        random.Reseed(seed);
        EXPECT_NE(Draws(random, 100), first) << "seed " << seed;
    }
}

}  // namespace
}  // namespace coinwell::platform
