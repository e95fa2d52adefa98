#pragma once

#include "core/drawing.h"
#include "core/run_record.h"

#include <vector>

// The frequency-distribution graph of a run, drawn over the window's fixed
// axes: a count c stands at y = 280 - c and a shortage s at x = 120 + s of
// a logical space 130 across and 300 down that fills the area, stretched
// unevenly; or over axes fitted to the run, with round ticks. Texts keep
// the font's own size. Over the bars, as asked: the exact law, the coins to
// have ready and the coverage curve on a scale of its own at the right.
namespace coinwell::core {

struct HistogramOptions {
    bool exactLaw = false;
    int readyPercent = 0;  // the coins that cover that share of meetings, unless 0
    bool coverageCurve = false;
    bool fitAxes = false;
    int sharePercent = 95;  // the chosen share, where the coverage curve's line stands
    bool precisionTable = false;
    // The meetings a class held with real coins, set over the bars; none if empty.
    const std::vector<int>* classShortages = nullptr;
};

// The frame alone before a run (record null).
Drawing histogram(const Rect& area, const RunRecord* record, const HistogramOptions& options,
                  const TextSetter& setter);

// The same in words for screen readers.
Message histogramDescription(const RunRecord& record, const HistogramOptions& options);

}  // namespace coinwell::core
