#pragma once

#include "engine/clock.h"
#include "engine/random_source.h"
#include "engine/settings.h"
#include "engine/tally.h"

#include <cstdint>

namespace coinwell::engine {

// What one run of experiments yields.
struct RunResult {
    Settings settings;
    Tally tally;
    std::int32_t shortageSum = 0;

    // The mean shortage, divided in double precision, kept in single.
    float averageShortage() const
    {
        if (settings.experimentCount <= 0) {
            return 0.0F;
        }
        return static_cast<float>(static_cast<double>(shortageSum) / settings.experimentCount);
    }
};

// Runs settings.experimentCount experiments of settings.guestCount guests,
// re-seeding before each, and tallies their shortages.
RunResult runExperiments(const Settings& settings, RandomSource& random, Clock& clock);

}  // namespace coinwell::engine
