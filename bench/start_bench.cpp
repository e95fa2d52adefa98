// The Start command at 1000 guests x 1000 experiments: the run, its exact
// law, the average and the graph painted at the graph area's size, and the
// same through a real main window with everything it repaints.
#include "desktop/fonts.h"
#include "engine/run.h"
#include "graph/graph_painter.h"
#include "main_window/main_window.h"
#include "number_text/one_decimal.h"
#include "report/run_record.h"
#include "support/window_fakes.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

using namespace coinwell;

engine::RunResult run1000x1000()
{
    static engine::RandomGenerator random(7);
    static engine::SystemClock clock;
    return engine::runExperiments({1000, 1000}, random, clock);
}

void paintIntoGraphArea(QImage& image, const engine::Tally& tally)
{
    image.fill(Qt::lightGray);
    QPainter painter(&image);
    painter.setFont(gothicFont(9.0));
    graph::paintGraph(painter, image.rect(), tally, Qt::black);
}

void BM_StartCommand(benchmark::State& state)
{
    QImage image(533, 381, QImage::Format_RGB32);
    for (auto _ : state) {
        const report::RunRecord record = report::recordRun(run1000x1000(), std::nullopt);
        benchmark::DoNotOptimize(number_text::formatOneDecimal(record.result.averageShortage()));
        paintIntoGraphArea(image, record.result.tally);
    }
}
BENCHMARK(BM_StartCommand)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_PaintGraphOnly(benchmark::State& state)
{
    QImage image(533, 381, QImage::Format_RGB32);
    const engine::RunResult result = run1000x1000();
    for (auto _ : state) {
        paintIntoGraphArea(image, result.tally);
    }
}
BENCHMARK(BM_PaintGraphOnly)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// A click on Start in a window with the real generator and clock, and then
// the whole window painted, which is more than a click repaints.
void BM_StartClickOnTheWindow(benchmark::State& state)
{
    coinwell::testing::FakeServices fakes;
    engine::RandomGenerator random(7);
    engine::SystemClock clock;
    fakes.dialogs.answers = {"1000", "1000"};
    MainWindow window({fakes.dialogs, fakes.cues, fakes.programExit, random, clock, fakes.zoom});
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        window.startRun();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_StartClickOnTheWindow)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
