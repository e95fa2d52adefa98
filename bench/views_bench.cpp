// The graph area's other views at 1000 guests: a frame of the replay with
// the whole path shown, at a device pixel ratio of 1 and 2, and the
// square-root law with its exact curves worked out afresh, as every paint
// does, beside the curves' cost alone.
#include "core/clock.h"
#include "core/experiment.h"
#include "core/meeting_replay.h"
#include "core/random_generator.h"
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

void BM_ExactForAllGuests(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::exactForAllGuests(95));
    }
}
BENCHMARK(BM_ExactForAllGuests)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
