#pragma once

#include "core/clock.h"
#include "core/random_source.h"
#include "core/settings.h"

#include <cstdint>
#include <vector>

namespace coinwell::core {

// One experiment: re-seeds the source from the time of day, lets
// guestsArriving(guestCount) guests arrive with a coin toss each, and returns
// the shortage.
std::int16_t runExperiment(int guestCount, RandomSource& random, Clock& clock);

// The same experiment told guest by guest: the coin balance after each guest,
// from the same draws runExperiment would take, so that its lowest value is
// the shortage runExperiment would return.
std::vector<int> meetingBalances(int guestCount, RandomSource& random, Clock& clock);

}  // namespace coinwell::core
