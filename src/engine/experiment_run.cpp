#include "engine/experiment_run.h"

namespace coinwell::engine {

RunResult RunExperiments(const Settings& settings, Experiment& experiment,
                         platform::RandomSource& random, platform::Clock& clock)
{
    RunResult result;
    result.Tally.Reset();
    result.ShortageSum = 0;
    result.ExperimentCount = settings.ExperimentCount;
    for (int ExperimentIndex = 1; ExperimentIndex <= settings.ExperimentCount; ++ExperimentIndex) {
        const std::int16_t shortage = experiment.Run(settings.GuestCount, random, clock);
        result.ShortageSum += shortage;
        result.Tally.Count(shortage);
    }
    return result;
}

}  // namespace coinwell::engine
