#include "engine/run.h"

#include "engine/experiment.h"

#include <algorithm>

namespace coinwell::engine {

RunResult runExperiments(const Settings& settings, RandomSource& random, Clock& clock)
{
    RunResult result;
    result.settings = settings;
    // The experiment tosses for 1 to 1000 guests, whatever it is asked.
    result.counts = ShortageCounts(std::clamp<int>(settings.guestCount, 1, Experiment::kMaxGuests));
    Experiment experiment;
    for (int done = 0; done < settings.experimentCount; ++done) {
        const std::int16_t shortage = experiment.run(settings.guestCount, random, clock);
        result.shortageSum += shortage;
        result.counts.count(shortage);
    }
    result.tally = Tally::of(result.counts);
    return result;
}

}  // namespace coinwell::engine
