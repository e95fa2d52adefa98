#pragma once

#include "engine/clock.h"
#include "engine/random_source.h"

#include <algorithm>
#include <cstdint>

namespace coinwell::engine {

inline constexpr int kMaxGuests = 1000;

// How many guests an experiment asked for `asked` lets arrive: 1 to 1000,
// whatever it is asked.
constexpr int guestsArriving(int asked)
{
    return std::clamp(asked, 1, kMaxGuests);
}

// One experiment: re-seeds the source from the time of day, lets
// guestsArriving(guestCount) guests arrive with a coin toss each, and returns
// the shortage.
std::int16_t runExperiment(int guestCount, RandomSource& random, Clock& clock);

}  // namespace coinwell::engine
