#include "engine/run.h"

#include "engine/experiment.h"

namespace coinwell::engine {

RunResult runExperiments(const Settings& settings, RandomSource& random, Clock& clock)
{
    RunResult result;
    result.settings = settings;
    Experiment experiment;
    for (int done = 0; done < settings.experimentCount; ++done) {
        const std::int16_t shortage = experiment.run(settings.guestCount, random, clock);
        result.shortageSum += shortage;
        result.tally.count(shortage);
    }
    return result;
}

}  // namespace coinwell::engine
