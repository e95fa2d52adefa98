#pragma once

#include "core/clock.h"
#include "core/random_source.h"
#include "core/settings.h"

#include <cstdint>
#include <span>
#include <vector>

namespace coinwell::core {

// One experiment: re-seeds the source from the time of day, lets
// guestsArriving(guestCount) guests arrive with a coin toss each, of which
// `coinPercent` percent pay with a coin, and returns the shortage. The fair
// coin's toss is one bit of the source a guest; any other share draws eight
// guests at once (biasedTosses).
std::int16_t runExperiment(int guestCount, RandomSource& random, Clock& clock, int coinPercent = kFairPercent);

// The same experiment told guest by guest: the coin balance after each guest,
// from the same draws runExperiment would take, so that its lowest value is
// the shortage runExperiment would return.
std::vector<int> meetingBalances(int guestCount, RandomSource& random, Clock& clock, int coinPercent = kFairPercent);

}  // namespace coinwell::core
