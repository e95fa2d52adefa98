#pragma once

#include <span>

namespace coinwell::engine {

// A source of uniform single-precision draws in [0, 1) that can be re-seeded.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Mixes the seed into the source; what follows depends on the seed and on
    // everything drawn before.
    virtual void reseed(float seed) = 0;

    // Writes the next draws.size() values of the sequence, each in [0, 1).
    virtual void fill(std::span<float> draws) = 0;
};

}  // namespace coinwell::engine
