#include "core/random_generator.h"

#include <bit>
#include <cstring>

namespace coinwell::core {
namespace {

constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ULL;

// splitMix64's finaliser: one-to-one on 64-bit words, and every input bit
// reaches every output bit.
constexpr std::uint64_t mix64(std::uint64_t z)
{
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

// xoshiro256**'s step: the output of `state`, which moves on.
constexpr std::uint64_t step(std::array<std::uint64_t, 4>& state)
{
    const std::uint64_t result = std::rotl(state[1] * 5, 7) * 9;
    const std::uint64_t t = state[1] << 17U;
    state[2] ^= state[0];
    state[3] ^= state[1];
    state[1] ^= state[2];
    state[0] ^= state[3];
    state[2] ^= t;
    state[3] = std::rotl(state[3], 45);
    return result;
}

bool allZero(const std::array<std::uint64_t, 4>& state)
{
    return (state[0] | state[1] | state[2] | state[3]) == 0;
}

}  // namespace

RandomGenerator::RandomGenerator(std::uint64_t initialSeed)
{
    for (std::uint64_t& word : state_) {
        initialSeed += kGolden;
        word = mix64(initialSeed);
    }
    if (allZero(state_)) {
        state_[0] = 1;  // the all-zero state would only ever yield zeros
    }
}

void RandomGenerator::reseed(float seed)
{
    // Each word of the state is mixed with a key of its own made from the
    // seed's bits; mix64 is one-to-one, and so is the whole scramble.
    std::uint32_t seedBits = 0;
    static_assert(sizeof seedBits == sizeof seed);
    std::memcpy(&seedBits, &seed, sizeof seed);  // what std::bit_cast does, where the library lacks it
    std::uint64_t key = seedBits * 0xD1342543DE82EF95ULL;
    for (std::uint64_t& word : state_) {
        key += kGolden;
        word = mix64(word ^ key);
    }
    if (allZero(state_)) {
        state_[0] = 1;
    }
}

void RandomGenerator::fill(std::span<std::uint64_t> words)
{
    // On a copy the compiler may keep in registers: written through `words`,
    // the member could alias them and be stored back at every word.
    std::array<std::uint64_t, 4> state = state_;
    for (std::uint64_t& word : words) {
        word = step(state);
    }
    state_ = state;
}

void RandomGenerator::jump()
{
    // The state 2^128 steps ahead is a fixed linear function of the state
    // now: the sum of the states this polynomial's set bits pick out.
    constexpr std::array<std::uint64_t, 4> kJump = {0x180EC6D33CFD0ABAULL, 0xD5A61266F0C9392CULL,
                                                    0xA9582618E03FC9AAULL, 0x39ABDC4529B1661CULL};
    std::array<std::uint64_t, 4> ahead{};
    for (const std::uint64_t polynomial : kJump) {
        for (unsigned bit = 0; bit < 64; ++bit) {
            if ((polynomial >> bit) & 1U) {
                for (std::size_t i = 0; i < ahead.size(); ++i) {
                    ahead[i] ^= state_[i];
                }
            }
            step(state_);
        }
    }
    state_ = ahead;
}

}  // namespace coinwell::core
