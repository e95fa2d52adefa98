// A click on Start at 1000 guests x 1000 experiments: the run, its record
// with the exact law, the average on a label and the graph painted as the
// graph area paints it, into an offscreen image of the area's size at a
// device pixel ratio of 1 and 2; the painting alone; and the same click
// through a real main window with everything it repaints.
#include "core/histogram.h"
#include "core/one_decimal.h"
#include "core/run.h"
#include "core/run_record.h"
#include "desktop/graph/drawing_painter.h"
#include "desktop/main_window/main_window.h"
#include "support/window_fakes.h"
#include "graph_area.h"

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

using namespace coinwell;

core::RunResult run1000x1000()
{
    static core::RandomGenerator random(7);
    static core::SystemClock clock;
    return core::runExperiments({1000, 1000}, random, clock);
}

void paintGraphArea(QImage& image, const core::RunRecord& record)
{
    paintAsTheGraphArea(image, [&](QPainter& painter, const QRectF& area) {
        const core::Rect rect{area.left(), area.top(), area.width(), area.height()};
        graph::paintDrawing(painter, core::histogram(rect, &record, {}, graph::FontTextSetter(painter.font())),
                            Qt::black);
    });
}

void BM_StartClick(benchmark::State& state)
{
    QImage image = graphArea(state);
    QLabel average;
    for (auto _ : state) {
        const core::RunRecord record = core::recordRun(run1000x1000(), std::nullopt);
        average.setText(QString::fromStdString(core::formatOneDecimal(record.result.averageShortage())));
        paintGraphArea(image, record);
    }
}
BENCHMARK(BM_StartClick)->Apply(atOneAndTwoTimes)->Unit(benchmark::kMillisecond);

void BM_PaintGraph(benchmark::State& state)
{
    QImage image = graphArea(state);
    const core::RunRecord record = core::recordRun(run1000x1000(), std::nullopt);
    for (auto _ : state) {
        paintGraphArea(image, record);
    }
}
BENCHMARK(BM_PaintGraph)->Apply(atOneAndTwoTimes)->Unit(benchmark::kMicrosecond);

// A click on Start in a window with the real generator and clock, and then
// the whole window painted, which is more than a click repaints.
void BM_StartClickOnTheWindow(benchmark::State& state)
{
    coinwell::testing::FakeServices fakes;
    core::RandomGenerator random(7);
    core::SystemClock clock;
    fakes.dialogs.answers = {"1000", "1000"};
    MainWindow window({fakes.dialogs, fakes.cues, fakes.programExit, random, clock, fakes.zoom, fakes.runs});
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        window.startRun();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_StartClickOnTheWindow)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
