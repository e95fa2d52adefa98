#pragma once

#include "core/random_source.h"

#include <array>
#include <cstdint>
#include <span>

namespace coinwell::core {

// The tosses of eight guests, one byte: a bit for each guest, set for one who
// takes a coin as change. Drawn by Walker's alias method: a byte of the
// source picks one of the 256 patterns evenly, and 24 bits beside it keep it
// or take its alias, so that each pattern comes with its chance for the
// share rounded to 2^-32.
//
// Column b of the table holds both in one word, as the source's 32 bits are
// laid out: pattern b is kept when the draw with its low byte filled with
// ones is below the column, and its alias is the column's low byte.
using TossPatterns = std::array<std::uint32_t, 256>;

// The patterns for `coinPercent` percent of guests paying with a coin (1 to
// 99), made when first asked for.
const TossPatterns& tossPatterns(int coinPercent);

// Fills `words` with tosses drawn through `patterns`, two bytes of guests
// from each word of the source: four words of it for 64 guests.
void biasedTosses(std::span<std::uint64_t> words, RandomSource& random, const TossPatterns& patterns);

}  // namespace coinwell::core
