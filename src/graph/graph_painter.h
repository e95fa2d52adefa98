#pragma once

#include "engine/shortage_law.h"
#include "engine/tally.h"
#include "report/run_record.h"

#include <QColor>
#include <QRectF>

#include <array>

class QPainter;

namespace coinwell::graph {

// The graph's logical space: x from 0 to 130 across, y from 0 to 300 down.
// A count c stands at y = 280 - c, a shortage s at x = 120 + s, and the bar
// of bin b spans x = 5 + b to 6 + b.
inline constexpr qreal kLogicalWidth = 130.0;
inline constexpr qreal kLogicalHeight = 300.0;
inline constexpr qreal kBaseLineY = 280.0;

// What the exact law expects of a run: the average count of every bin for
// the run's number of experiments, and the exact mean shortage.
struct ExactOverlay {
    std::array<double, engine::Tally::kBinCount> expectedCounts{};
    int firstBin = 0;  // the bins the law reaches
    int lastBin = 0;
    double mean = 0.0;
};

ExactOverlay exactOverlay(const engine::ShortageLaw& law, int experiments);

// The colour of the overlay: an orange that stays apart from the blue bars
// and the black frame, also on a washed-out projector.
inline const QColor kExactColour(230, 90, 0);

// Paints the frequency-distribution graph of a tally into `area` (in the
// painter's coordinates), which stands for the whole logical space: the
// frame in black, one light-blue bar per bin standing on the base line, the
// axis captions and the tick labels. Texts keep the painter's font at its
// size, whatever the area's; they are drawn in `textColour`. Nothing is
// painted outside `area`. With an overlay, a thin orange line joins the
// expected counts of the bins over the bars, a mark under the axis stands at
// the exact mean, and its value is printed where it covers no bar.
void paintGraph(QPainter& painter, const QRectF& area, const engine::Tally& tally, const QColor& textColour,
                const ExactOverlay* overlay = nullptr);

// The graph of a run, with the overlay of its exact law if asked, as the
// graph area, the clipboard, image files and prints show it.
void paintRecord(QPainter& painter, const QRectF& area, const report::RunRecord& record, bool withExactLaw,
                 const QColor& textColour);

}  // namespace coinwell::graph
