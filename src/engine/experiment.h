#pragma once

#include "engine/clock.h"
#include "engine/random_source.h"

#include <cstdint>

namespace coinwell::engine {

inline constexpr int kMaxGuests = 1000;

// One experiment: re-seeds the source from the time of day, lets guestCount
// guests (1 to 1000) arrive with a coin toss each, and returns the shortage.
std::int16_t runExperiment(int guestCount, RandomSource& random, Clock& clock);

}  // namespace coinwell::engine
