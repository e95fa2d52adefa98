#include "core/run.h"

#include "core/experiment.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace coinwell::core {
namespace {

// What some of a run's experiments have counted so far.
struct PartialRun {
    ShortageCounts counts;
    std::int64_t shortageSum = 0;

    // Keeps each shortage in `kept` too, if given.
    void runExperiments(const Settings& settings, std::int32_t count, RandomSource& random, Clock& clock,
                        std::int16_t* kept = nullptr)
    {
        const int guests = guestsArriving(settings.guestCount);
        for (std::int32_t done = 0; done < count; ++done) {
            const std::int16_t shortage = runExperiment(guests, random, clock, settings.coinPercent);
            shortageSum += shortage;
            counts.count(shortage);
            if (kept != nullptr) {
                kept[done] = shortage;
            }
        }
    }
};

RunResult resultOf(const Settings& settings, PartialRun&& part)
{
    RunResult result;
    result.settings = settings;
    result.tally = Tally::of(part.counts);
    result.counts = std::move(part.counts);
    result.shortageSum = part.shortageSum;
    return result;
}

}  // namespace

RunResult runExperiments(const Settings& settings, RandomSource& random, Clock& clock)
{
    const int guests = guestsArriving(settings.guestCount);
    PartialRun run{ShortageCounts(guests)};
    run.runExperiments(settings, settings.experimentCount, random, clock);
    return resultOf(settings, std::move(run));
}

RunResult runExperimentsOnThreads(const Settings& settings, const RandomGenerator& generator, Clock& clock,
                                  unsigned threads, std::vector<std::int16_t>* shortages)
{
    if (shortages != nullptr) {
        shortages->assign(static_cast<std::size_t>(std::max(settings.experimentCount, 0)), 0);
    }
    const int guests = guestsArriving(settings.guestCount);
    const auto blocks = static_cast<std::int32_t>(
        (std::max<std::int64_t>(settings.experimentCount, 0) + kExperimentsPerBlock - 1) / kExperimentsPerBlock);
    std::vector<RandomGenerator> blockStarts;
    blockStarts.reserve(static_cast<std::size_t>(blocks));
    RandomGenerator start = generator;
    for (std::int32_t block = 0; block < blocks; ++block) {
        blockStarts.push_back(start);
        start.jump();
    }

    // Each thread takes the next block not yet taken until none is left, and
    // counts into its own part; the parts add up the same in any order.
    const unsigned workerCount = std::clamp<unsigned>(threads, 1, static_cast<unsigned>(std::max(blocks, 1)));
    std::vector<PartialRun> parts(workerCount, PartialRun{ShortageCounts(guests)});
    std::atomic<std::int32_t> nextBlock = 0;
    // The generator in use and the running sum stay on the thread's own
    // stack: next to another thread's in memory, every write would take the
    // cache line from the other core.
    const auto work = [&](PartialRun& part) {
        PartialRun own = std::move(part);
        for (std::int32_t block = nextBlock++; block < blocks; block = nextBlock++) {
            const std::int32_t first = block * kExperimentsPerBlock;
            const std::int32_t count = std::min(kExperimentsPerBlock, settings.experimentCount - first);
            RandomGenerator random = blockStarts[static_cast<std::size_t>(block)];
            own.runExperiments(settings, count, random, clock,
                               shortages != nullptr ? shortages->data() + first : nullptr);
        }
        part = std::move(own);
    };
    std::vector<std::thread> helpers;
    helpers.reserve(workerCount - 1);
    for (unsigned worker = 1; worker < workerCount; ++worker) {
        try {
            helpers.emplace_back(work, std::ref(parts[worker]));
        } catch (const std::system_error&) {
            break;  // fewer threads give the same result, only later
        }
    }
    work(parts[0]);
    for (std::thread& helper : helpers) {
        helper.join();
    }
    for (unsigned worker = 1; worker < workerCount; ++worker) {
        parts[0].counts.add(parts[worker].counts);
        parts[0].shortageSum += parts[worker].shortageSum;
    }
    return resultOf(settings, std::move(parts[0]));
}

}  // namespace coinwell::core
