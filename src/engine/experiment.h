#pragma once

#include "platform/runtime/clock.h"
#include "platform/runtime/random_source.h"

#include <array>
#include <cstdint>

namespace coinwell::engine {

// One experiment: GuestCount guests arrive, a coin toss each. Guests are
// numbered from 1; element 0 of the tables is never used. After Run the
// fields hold the experiment's tosses and balances.
class Experiment {
public:
    static constexpr std::size_t kTableSize = 1001;

    // Re-seeds the generator from the time of day, tosses one coin per guest
    // and returns the shortage: the lowest balance after any guest (the
    // opening balance of 0 does not count). guestCount is 1 to 1000.
    std::int16_t Run(std::int16_t guestCount, platform::RandomSource& random, platform::Clock& clock);

    float Draw = 0.0F;
    std::int16_t Balance = 0;
    std::array<std::int16_t, kTableSize> CoinChange{};
    std::array<std::int16_t, kTableSize> BalanceAfter{};

private:
    std::array<float, kTableSize> draws_{};
};

}  // namespace coinwell::engine
