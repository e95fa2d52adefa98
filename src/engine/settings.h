#pragma once

#include <cstdint>

namespace coinwell::engine {

// The two settings of a run. Both are accepted counts whenever a run reads
// them; a run never changes them.
struct Settings {
    static constexpr std::int16_t kMaxCount = 1000;
    static constexpr std::int16_t kMinGuestCount = 10;
    static constexpr std::int16_t kMinExperimentCount = 1;
    // Runs without a graph to draw may be this long.
    static constexpr std::int32_t kMaxBatchExperimentCount = 10'000'000;

    std::int16_t guestCount = 0;
    std::int32_t experimentCount = 0;
};

}  // namespace coinwell::engine
