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
// coin's toss is one bit of the source a guest; any other share draws each
// guest a number below 1 from the source and compares it with the share.
std::int16_t runExperiment(int guestCount, RandomSource& random, Clock& clock, int coinPercent = kFairPercent);

// The same experiment told guest by guest: the coin balance after each guest,
// from the same draws runExperiment would take, so that its lowest value is
// the shortage runExperiment would return.
std::vector<int> meetingBalances(int guestCount, RandomSource& random, Clock& clock, int coinPercent = kFairPercent);

// Sets each bit of `words`, a guest who takes a coin as change, unless a
// number drawn for it, uniform over the 2^32 fractions k / 2^32 below 1,
// falls below `threshold` / 2^32. The numbers of 64 guests are compared at
// once a binary digit at a time from the top, each word the source gives
// holding one digit of each, until every guest is decided: some eight or
// nine words for 64 guests.
void biasedTosses(std::span<std::uint64_t> words, RandomSource& random, std::uint32_t threshold);

// The threshold for a share of guests paying with a coin: percent / 100 of
// 2^32, rounded, off by at most 2^-33 of the share.
std::uint32_t coinThreshold(int coinPercent);

}  // namespace coinwell::core
