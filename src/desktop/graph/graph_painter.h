#pragma once

#include "core/tally.h"
#include "core/graph_geometry.h"
#include "core/run_record.h"

#include <QColor>
#include <QRectF>

class QPainter;

namespace coinwell::graph {

// Paints the frequency-distribution graph of a tally into `area` (in the
// painter's coordinates), which stands for the whole logical space: the
// frame in black, one light-blue bar per bin standing on the base line, the
// axis captions and the tick labels. Texts keep the painter's font at its
// size, whatever the area's; they are drawn in `textColour`. Nothing is
// painted outside `area`. With an overlay, a thin orange line joins the
// expected counts of the bins over the bars, a mark under the axis stands at
// the exact mean, and its value is printed where it covers no bar. With a
// ready marker, a dark green line stands at the coins to have ready, with
// its words under the captions.
void paintGraph(QPainter& painter, const QRectF& area, const core::Tally& tally, const QColor& textColour,
                const core::ExactOverlay* overlay = nullptr, const core::ReadyMarker* ready = nullptr);

// What the histogram of a run shows over its bars.
struct HistogramOptions {
    bool exactLaw = false;
    int readyPercent = 0;  // the coins that cover that share of meetings, unless 0
    bool coverageCurve = false;
};

// The graph of a run with what `options` ask, as the graph area, the
// clipboard, image files and prints show it.
void paintRecord(QPainter& painter, const QRectF& area, const core::RunRecord& record,
                 const HistogramOptions& options, const QColor& textColour);

}  // namespace coinwell::graph
