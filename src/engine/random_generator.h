#pragma once

#include "engine/random_source.h"

#include <array>
#include <cstdint>

namespace coinwell::engine {

// xoshiro128+ with splitMix64 seeding. Re-seeding folds the seed into the
// running state instead of restarting from it, so equal seeds given one after
// another (experiments started within one clock tick) still continue with
// fresh, independent draws.
class RandomGenerator final : public RandomSource {
public:
    explicit RandomGenerator(std::uint64_t initialSeed = 0x0C01'4E11'500F'EE00ULL);

    void reseed(float seed) override;
    void fill(std::span<float> draws) override;

private:
    std::uint32_t nextBits();

    std::array<std::uint32_t, 4> state_{};
};

}  // namespace coinwell::engine
