// The graph area's other views at 1000 guests: a frame of the replay with
// the whole path shown, at a device pixel ratio of 1 and 2, the running
// average's experiments and a frame of it, and the
// square-root law with its exact curves worked out afresh, as every paint
// does, beside the curves' cost alone.
#include "core/clock.h"
#include "core/experiment.h"
#include "core/meeting_replay.h"
#include "core/random_generator.h"
#include "core/running_average.h"
#include "core/square_root_law.h"
#include "desktop/graph/drawing_painter.h"
#include "graph_area.h"

#include <benchmark/benchmark.h>

namespace {

using namespace coinwell;

void BM_ReplayFrame(benchmark::State& state)
{
    QImage image = graphArea(state);
    core::RandomGenerator random(7);
    core::FixedClock clock;
    core::Replay replay(core::meetingBalances(1000, random, clock));
    replay.finish();
    for (auto _ : state) {
        paintAsTheGraphArea(image, [&](QPainter& painter, const QRectF& area) {
            const core::Rect rect{area.left(), area.top(), area.width(), area.height()};
            graph::paintDrawing(painter, core::replayPicture(rect, replay, graph::FontTextSetter(painter.font())),
                                Qt::black);
        });
    }
}
BENCHMARK(BM_ReplayFrame)->Apply(atOneAndTwoTimes)->Unit(benchmark::kMicrosecond);

void BM_SquareRootView(benchmark::State& state)
{
    QImage image = graphArea(state);
    std::vector<core::RunPoint> runs;
    for (int guests = 100; guests <= 1000; guests += 100) {
        runs.push_back({guests, -0.8 * core::squareRootReference(guests), guests / 20});
    }
    for (auto _ : state) {
        paintAsTheGraphArea(image, [&](QPainter& painter, const QRectF& area) {
            const core::Rect rect{area.left(), area.top(), area.width(), area.height()};
            graph::paintDrawing(painter,
                                core::squareRootPicture(rect, core::exactForAllGuests(95), runs, 95,
                                                        graph::FontTextSetter(painter.font())),
                                Qt::black);
        });
    }
}
BENCHMARK(BM_SquareRootView)->Apply(atOneAndTwoTimes)->Unit(benchmark::kMicrosecond);

// What pressing L works out before the view plays: 100,000 experiments of
// 1000 guests from the program's generator and clock, and the points drawn
// through.
void BM_RunningAverageExperiments(benchmark::State& state)
{
    core::RandomGenerator random;
    core::SystemClock clock;
    for (auto _ : state) {
        core::RunningAverage running(core::runningShortages(1000, core::kRunningExperiments, random, clock), 1000);
        benchmark::DoNotOptimize(running);
    }
    state.SetItemsProcessed(state.iterations() * core::kRunningExperiments * 1000);
}
BENCHMARK(BM_RunningAverageExperiments)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// A frame of the running average half way through, as it plays.
void BM_RunningAverageFrame(benchmark::State& state)
{
    QImage image = graphArea(state);
    core::RandomGenerator random(7);
    core::FixedClock clock;
    core::RunningAverage running(core::runningShortages(1000, core::kRunningExperiments, random, clock), 1000);
    running.advance(core::kRunningSeconds / 2);
    for (auto _ : state) {
        paintAsTheGraphArea(image, [&](QPainter& painter, const QRectF& area) {
            const core::Rect rect{area.left(), area.top(), area.width(), area.height()};
            graph::paintDrawing(painter, core::runningAveragePicture(rect, running, 95, graph::FontTextSetter(painter.font())),
                                Qt::black);
        });
    }
}
BENCHMARK(BM_RunningAverageFrame)->Apply(atOneAndTwoTimes)->Unit(benchmark::kMicrosecond);

void BM_ExactForAllGuests(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::exactForAllGuests(95));
    }
}
BENCHMARK(BM_ExactForAllGuests)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
