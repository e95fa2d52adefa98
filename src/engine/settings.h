#pragma once

#include <cstdint>

namespace coinwell::engine {

// The two accepted settings of the main window; a run reads them only.
struct Settings {
    static constexpr std::int16_t kMaxCount = 1000;
    static constexpr std::int16_t kMinGuestCount = 10;
    static constexpr std::int16_t kMinExperimentCount = 1;

    std::int16_t GuestCount = 0;
    std::int16_t ExperimentCount = 0;
};

}  // namespace coinwell::engine
