#pragma once

#include <cstdint>
#include <span>

namespace coinwell::core {

// A source of fair coin tosses that can be re-seeded, 64 to a word: every bit
// of every word is an independent toss.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Mixes the seed into the source; what follows depends on the seed and on
    // everything drawn before.
    virtual void reseed(float seed) = 0;

    // Writes the next words.size() words of the sequence.
    virtual void fill(std::span<std::uint64_t> words) = 0;
};

}  // namespace coinwell::core
