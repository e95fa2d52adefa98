#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

namespace coinwell::core {

// The counts a setting allows, both ends included. Every prompt and every
// message that names a range is written from one of these.
struct CountRange {
    std::int32_t lowest;
    std::int32_t highest;
};

inline constexpr CountRange kGuestRange{10, 1000};
inline constexpr CountRange kExperimentRange{1, 1000};
// A run without a graph to draw may be this long.
inline constexpr CountRange kBatchExperimentRange{1, 10'000'000};

// The acceptance rule of a setting: a number within the range, compared
// before any rounding, is accepted and rounded down to a count; anything
// else (also NaN and infinities) is not.
std::optional<std::int32_t> acceptCount(double number, CountRange range);

// A typed entry read as a number (full-width digits too) and then accepted
// or not by the rule above.
std::optional<std::int32_t> acceptEntry(std::u16string_view entry, CountRange range);

// The share of guests, in whole percent, who pay with a 500-yen coin: the
// fair coin's 50 unless another is chosen.
inline constexpr std::int32_t kFairPercent = 50;
inline constexpr CountRange kCoinShareRange{1, 99};

// The settings of a run. The counts are accepted ones whenever a run reads
// them; a run never changes them.
struct Settings {
    std::int32_t guestCount = 0;
    std::int32_t experimentCount = 0;
    std::int32_t coinPercent = kFairPercent;
};

// How many guests an experiment asked for `asked` lets arrive: 1 to the most
// a setting allows, whatever it is asked, so that no run goes past the room
// it has for the tosses.
constexpr int guestsArriving(int asked)
{
    return std::clamp(asked, 1, kGuestRange.highest);
}

}  // namespace coinwell::core
