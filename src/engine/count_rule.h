#pragma once

#include <cstdint>
#include <optional>

namespace coinwell::engine {

// The acceptance rule of a setting: a number from lowerBound to 1000, both
// inclusive and compared before any rounding, is accepted and rounded down to
// a count; anything else (also NaN and infinities) is not.
std::optional<std::int16_t> acceptCount(double number, int lowerBound);

}  // namespace coinwell::engine
