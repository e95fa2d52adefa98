#pragma once

#include "core/random_source.h"

#include <array>
#include <cstdint>

namespace coinwell::core {

// xoshiro256**, seeded through splitMix64. Every bit of its output is of full
// quality, so each one serves as a toss.
//
// Re-seeding scrambles the running state with the seed instead of restarting
// from it: equal seeds given one after another (experiments started within
// one clock tick) still continue with fresh draws, and since the scramble is
// one-to-one, no two different states ever become the same.
class RandomGenerator final : public RandomSource {
public:
    explicit RandomGenerator(std::uint64_t initialSeed = 0x0C01'4E11'500F'EE00ULL);

    void reseed(float seed) override;
    void fill(std::span<std::uint64_t> words) override;

    // Moves on as far as 2^128 draws would: the generators of a run split
    // over threads, each jumped once more than the one before, start from
    // states far apart in the sequence (re-seeding then scrambles each on
    // its own, one-to-one, so no two of them can ever become the same).
    void jump();

private:
    std::array<std::uint64_t, 4> state_{};
};

}  // namespace coinwell::core
