#include "engine/random_generator.h"

#include <gtest/gtest.h>

#include <vector>

namespace coinwell::engine {
namespace {

std::vector<float> draws(RandomSource& random, std::size_t count)
{
    std::vector<float> values(count);
    random.fill(values);
    return values;
}

TEST(RandomGenerator, OneSeedGivesOneSequenceHoweverItIsDrawn)
{
    RandomGenerator whole(12345);
    RandomGenerator pieces(12345);
    std::vector<float> got;
    for (std::size_t size : {1, 255, 300, 44}) {
        const std::vector<float> piece = draws(pieces, size);
        got.insert(got.end(), piece.begin(), piece.end());
    }
    EXPECT_EQ(got, draws(whole, 600));
    RandomGenerator other(12346);
    EXPECT_NE(draws(other, 600), draws(whole, 600));
}

// Experiments started within one clock tick get the same seed, and must
// still toss afresh.
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
