#pragma once

#include "engine/clock.h"
#include "engine/random_source.h"

#include <array>
#include <cstdint>

namespace coinwell::engine {

// One experiment: the guests arrive one after another, a coin toss each.
// The tables are kept between experiments so a run allocates nothing.
class Experiment {
public:
    static constexpr std::size_t kMaxGuests = 1000;

    // Re-seeds the generator from the time of day, tosses one coin per guest
    // and returns the shortage: the lowest balance after any guest (the
    // opening balance of 0 does not count). guestCount is 1 to 1000.
    std::int16_t run(std::int16_t guestCount, RandomSource& random, Clock& clock);

private:
    std::array<float, kMaxGuests> draws_{};
    std::array<std::int16_t, kMaxGuests> coinChange_{};
    std::array<std::int16_t, kMaxGuests> balanceAfter_{};
};

}  // namespace coinwell::engine
