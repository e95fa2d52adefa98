#include "platform/runtime/random_generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace coinwell::platform {
namespace {

std::vector<float> Draws(RandomSource& random, std::size_t count)
{
    std::vector<float> draws(count);
    random.Fill(draws);
    return draws;
}

TEST(RandomGenerator, AMillionDrawsAreUniformOnTheUnitInterval)
{
    constexpr std::size_t kCount = 1'000'000;
    RandomGenerator random;
    const std::vector<float> draws = Draws(random, kCount);

    double sum = 0.0;
    double sumOfSquares = 0.0;
    std::size_t belowHalf = 0;
    for (float draw : draws) {
        ASSERT_GE(draw, 0.0F);
        ASSERT_LT(draw, 1.0F);
        sum += draw;
        sumOfSquares += static_cast<double>(draw) * draw;
        belowHalf += draw < 0.5F ? 1U : 0U;
    }
    const double mean = sum / kCount;
    // Standard errors: sqrt(1/12 / 1e6) ~ 0.00029 for the mean, 0.0005 for
    // the share of heads; the bounds allow five of them.
    EXPECT_NEAR(mean, 0.5, 0.0015);
    EXPECT_NEAR(sumOfSquares / kCount - mean * mean, 1.0 / 12.0, 0.0015);
    EXPECT_NEAR(static_cast<double>(belowHalf) / kCount, 0.5, 0.0025);
}

TEST(RandomGenerator, FillingInPiecesContinuesTheSameSequence)
{
    RandomGenerator whole(7);
    RandomGenerator pieces(7);
    const std::vector<float> expected = Draws(whole, 100);
    std::vector<float> got;
    for (std::size_t size : {1, 2, 30, 67}) {
        const std::vector<float> piece = Draws(pieces, size);
        got.insert(got.end(), piece.begin(), piece.end());
    }
    EXPECT_EQ(got, expected);
    EXPECT_EQ(pieces.Next(), whole.Next());
}

TEST(RandomGenerator, TheSameConstructionSeedReproducesTheSequence)
{
    RandomGenerator first(12345);
    RandomGenerator second(12345);
    RandomGenerator other(12346);
    const std::vector<float> a = Draws(first, 64);
    EXPECT_EQ(a, Draws(second, 64));
    EXPECT_NE(a, Draws(other, 64));

    first.Reseed(43200.5F);
    second.Reseed(43200.5F);
    EXPECT_EQ(Draws(first, 64), Draws(second, 64)) << "re-seeding is reproducible too";
}

TEST(RandomGenerator, ReseedingTwiceWithOneValueContinuesDifferently)
{
    // Experiments started within one clock tick get the same seed.
    for (float seed : {0.0F, 1.0F, 43200.0F, 86399.99F}) {
        RandomGenerator random;
        random.Reseed(seed);
        const std::vector<float> first = Draws(random, 100);
        random.Reseed(seed);
        EXPECT_NE(Draws(random, 100), first) << "seed " << seed;
    }
}

TEST(RandomGenerator, NeighbouringSeedsGiveDifferentSequences)
{
    for (float seed : {0.0F, 0.015625F, 1.0F, 43200.0F, 86399.99F}) {
        const float neighbour = std::nextafter(seed, 1.0e6F);
        RandomGenerator a;
        RandomGenerator b;
        a.Reseed(seed);
        b.Reseed(neighbour);
        const std::vector<float> drawsA = Draws(a, 32);
        const std::vector<float> drawsB = Draws(b, 32);
        int equal = 0;
        for (std::size_t i = 0; i < drawsA.size(); ++i) {
            equal += drawsA[i] == drawsB[i] ? 1 : 0;
        }
        EXPECT_LE(equal, 1) << "seeds " << seed << " and " << neighbour;
    }
}

}  // namespace
}  // namespace coinwell::platform
