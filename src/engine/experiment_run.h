#pragma once

#include "engine/experiment.h"
#include "engine/settings.h"
#include "engine/tally.h"

#include <cstdint>

namespace coinwell::engine {

// The results of one run of ExperimentCount experiments.
struct RunResult {
    engine::Tally Tally;
    std::int32_t ShortageSum = 0;
    std::int16_t ExperimentCount = 0;

    // The mean shortage, divided in double precision, kept in single.
    float AverageShortage() const
    {
        if (ExperimentCount <= 0) {
            return 0.0F;
        }
        return static_cast<float>(static_cast<double>(ShortageSum) / ExperimentCount);
    }
};

// Runs settings.ExperimentCount experiments of settings.GuestCount guests,
// re-seeding before each, and tallies their shortages. `experiment` keeps the
// last experiment's working values.
RunResult RunExperiments(const Settings& settings, Experiment& experiment,
                         platform::RandomSource& random, platform::Clock& clock);

}  // namespace coinwell::engine
