#include "engine/clock.h"
#include "engine/random_generator.h"
#include "engine/run.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

using namespace coinwell;

// One press of the start button: the run as the program does it, with the
// real generator and the time of day.
void BM_Run(benchmark::State& state)
{
    const engine::Settings settings{static_cast<std::int16_t>(state.range(0)),
                                    static_cast<std::int16_t>(state.range(1))};
    engine::RandomGenerator random;
    engine::SystemClock clock;
    for (auto _ : state) {
        engine::RunResult result = engine::runExperiments(settings, random, clock);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(BM_Run)
    ->ArgNames({"guests", "experiments"})
    ->Args({1000, 1000})
    ->Args({100, 100})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void BM_Clock(benchmark::State& state)
{
    engine::SystemClock clock;
    for (auto _ : state) {
        benchmark::DoNotOptimize(clock.secondsSinceMidnight());
    }
}
BENCHMARK(BM_Clock)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_Fill(benchmark::State& state)
{
    engine::RandomGenerator random;
    float draws[1000];
    for (auto _ : state) {
        random.fill(draws);
        benchmark::DoNotOptimize(draws);
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_Fill)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
