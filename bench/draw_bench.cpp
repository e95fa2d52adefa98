// The Start command's work at 1000 guests x 1000 experiments: the run, the
// average and the whole graph drawn into the picture box's backing image.
#include "engine/experiment_run.h"
#include "graph/graph_frame.h"
#include "graph/histogram_bars.h"
#include "platform/forms/fonts.h"
#include "platform/forms/picture_box.h"
#include "platform/runtime/clock.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/random_generator.h"

#include <benchmark/benchmark.h>

namespace {

using namespace coinwell;

struct Picture {
    Picture()
    {
        box.setGeometry(0, 0, 537, 385);
        box.SetScale(0, 0, 130, 300);
        box.setFont(platform::GothicFont({9.0, false}));
        box.Image();
    }
    platform::PictureBox box;
};

engine::RunResult Run1000x1000()
{
    static platform::RandomGenerator random(7);
    static platform::SystemClock clock;
    static engine::Experiment experiment;
    return engine::RunExperiments({1000, 1000}, experiment, random, clock);
}

void BM_StartCommand(benchmark::State& state)
{
    Picture picture;
    for (auto _ : state) {
        const engine::RunResult result = Run1000x1000();
        benchmark::DoNotOptimize(platform::FormatOneDecimal(result.AverageShortage()));
        graph::DrawFrame(picture.box);
        graph::DrawBars(picture.box, result.Tally);
    }
}
BENCHMARK(BM_StartCommand)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_DrawGraphOnly(benchmark::State& state)
{
    Picture picture;
    const engine::RunResult result = Run1000x1000();
    for (auto _ : state) {
        graph::DrawFrame(picture.box);
        graph::DrawBars(picture.box, result.Tally);
    }
}
BENCHMARK(BM_DrawGraphOnly)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
