#pragma once

#include "core/clock.h"
#include "core/random_generator.h"
#include "core/random_source.h"
#include "core/settings.h"
#include "core/shortage_counts.h"
#include "core/tally.h"

#include <cstdint>
#include <vector>

namespace coinwell::core {

// What one run of experiments yields.
struct RunResult {
    Settings settings;
    ShortageCounts counts;
    Tally tally;  // the counts in the graph's bins
    std::int64_t shortageSum = 0;

    // The mean shortage, divided in double precision, kept in single.
    float averageShortage() const { return static_cast<float>(meanShortage()); }

    double meanShortage() const
    {
        return settings.experimentCount > 0 ? static_cast<double>(shortageSum) / settings.experimentCount : 0.0;
    }
};

// Runs settings.experimentCount experiments of settings.guestCount guests,
// re-seeding before each, and tallies their shortages.
RunResult runExperiments(const Settings& settings, RandomSource& random, Clock& clock);

// A long run is dealt out in blocks of this many experiments.
inline constexpr std::int32_t kExperimentsPerBlock = 1 << 16;

// The same run spread over `threads` threads (at least one), block by block:
// block b draws from `generator` jumped b times. The result follows from the
// generator and the clock alone, whatever the number of threads, and a run of
// one block is what runExperiments makes with the generator. The clock is
// read from all threads at once. With `shortages`, every experiment's
// shortage is kept there too, in the order of the blocks.
RunResult runExperimentsOnThreads(const Settings& settings, const RandomGenerator& generator, Clock& clock,
                                  unsigned threads, std::vector<std::int16_t>* shortages = nullptr);

}  // namespace coinwell::core
