#include "engine/random_generator.h"

#include <algorithm>
#include <bit>

namespace coinwell::engine {
namespace {

std::uint64_t splitMix64(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

void seedState(std::array<std::uint32_t, 4>& state, std::uint64_t mix)
{
    for (std::size_t i = 0; i < state.size(); i += 2) {
        const std::uint64_t word = splitMix64(mix);
        state[i] = static_cast<std::uint32_t>(word);
        state[i + 1] = static_cast<std::uint32_t>(word >> 32U);
    }
    if ((state[0] | state[1] | state[2] | state[3]) == 0) {
        state[0] = 1;  // the all-zero state would only ever yield zeros
    }
}

}  // namespace

RandomGenerator::RandomGenerator(std::uint64_t initialSeed)
{
    seedState(state_, initialSeed);
}

void RandomGenerator::reseed(float seed)
{
    const std::uint64_t running =
        (static_cast<std::uint64_t>(state_[0]) | (static_cast<std::uint64_t>(state_[1]) << 32U)) ^
        (static_cast<std::uint64_t>(state_[2]) | (static_cast<std::uint64_t>(state_[3]) << 32U));
    const std::uint64_t seedBits = std::bit_cast<std::uint32_t>(seed);
    seedState(state_, running ^ (seedBits * 0xD1342543DE82EF95ULL));
}

std::uint32_t RandomGenerator::nextBits()
{
    const std::uint32_t result = state_[0] + state_[3];
    const std::uint32_t t = state_[1] << 9U;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = std::rotl(state_[3], 11);
    return result;
}

void RandomGenerator::fill(std::span<float> draws)
{
    // The top 24 bits scaled by 2^-24 are exact in a float and never reach 1.
    // The bits are drawn a block at a time and converted afterwards: the
    // conversion then runs on whole vectors instead of inside the generator's
    // serial loop.
    constexpr float kScale = 1.0F / 16777216.0F;
    constexpr std::size_t kBlock = 256;
    std::array<std::uint32_t, kBlock> bits;
    while (!draws.empty()) {
        const std::size_t count = std::min(kBlock, draws.size());
        for (std::size_t i = 0; i < count; ++i) {
            bits[i] = nextBits();
        }
        for (std::size_t i = 0; i < count; ++i) {
            draws[i] = static_cast<float>(static_cast<std::int32_t>(bits[i] >> 8U)) * kScale;
        }
        draws = draws.subspan(count);
    }
}

}  // namespace coinwell::engine
