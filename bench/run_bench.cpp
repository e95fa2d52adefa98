#include "core/clock.h"
#include "core/random_generator.h"
#include "core/run.h"
#include "core/shortage_law.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <thread>
#include <vector>

namespace {

using namespace coinwell;

// One press of the start button: the run as the program does it, with the
// real generator and the time of day, for the fair coin and for 40 % of
// guests paying with a coin.
void BM_Run(benchmark::State& state)
{
    const core::Settings settings{static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)),
                                  static_cast<std::int32_t>(state.range(2))};
    core::RandomGenerator random;
    core::SystemClock clock;
    for (auto _ : state) {
        core::RunResult result = core::runExperiments(settings, random, clock);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(BM_Run)
    ->ArgNames({"guests", "experiments", "coinShare"})
    ->Args({1000, 1000, 50})
    ->Args({1000, 1000, 40})
    ->Args({100, 100, 50})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(20)
    // On a shared machine the fastest repetition is the one least disturbed,
    // which the ratio of the two shares is best read from.
    ->ComputeStatistics("min", [](const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); })
    ->ReportAggregatesOnly(true);

void BM_Clock(benchmark::State& state)
{
    core::SystemClock clock;
    for (auto _ : state) {
        benchmark::DoNotOptimize(clock.secondsSinceMidnight());
    }
}
BENCHMARK(BM_Clock)->Repetitions(10)->ReportAggregatesOnly(true);

// The tosses of 1024 guests.
void BM_Fill(benchmark::State& state)
{
    core::RandomGenerator random;
    std::uint64_t words[16];
    for (auto _ : state) {
        random.fill(words);
        benchmark::DoNotOptimize(words);
    }
    state.SetItemsProcessed(state.iterations() * 1024);
}
BENCHMARK(BM_Fill)->Repetitions(10)->ReportAggregatesOnly(true);

// A seeded run without a window, as `coinwell --guests 100 --experiments
// 1000000 --seed 1` makes it on every core: no clock read, every shortage
// counted. Wall time, since the threads share the work.
void BM_BatchRun(benchmark::State& state)
{
    const core::Settings settings{static_cast<std::int32_t>(state.range(0)),
                                    static_cast<std::int32_t>(state.range(1))};
    const core::RandomGenerator seeded(1);
    core::FixedClock clock;
    for (auto _ : state) {
        core::RunResult result =
            core::runExperimentsOnThreads(settings, seeded, clock, std::thread::hardware_concurrency());
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
    state.counters["threads"] = std::thread::hardware_concurrency();
}
BENCHMARK(BM_BatchRun)
    ->ArgNames({"guests", "experiments"})
    ->Args({100, 1'000'000})
    ->Args({1000, 1'000'000})
    ->Args({1000, 10'000'000})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// The exact law, which every run's report and overlay need.
void BM_ExactLaw(benchmark::State& state)
{
    for (auto _ : state) {
        core::ShortageLaw law(static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(law);
    }
}
BENCHMARK(BM_ExactLaw)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
