#pragma once

#include "core/shortage_law.h"
#include "core/tally.h"
#include "core/run_record.h"

#include <QColor>
#include <QRectF>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

class QFontMetricsF;
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
    std::array<double, core::Tally::kBinCount> expectedCounts{};
    int firstBin = 0;  // the bins the law reaches
    int lastBin = 0;
    double mean = 0.0;
};

ExactOverlay exactOverlay(const core::ShortageLaw& law, int experiments);

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
void paintGraph(QPainter& painter, const QRectF& area, const core::Tally& tally, const QColor& textColour,
                const ExactOverlay* overlay = nullptr);

// The overlay of a run's exact law, if it is asked for.
std::optional<ExactOverlay> recordOverlay(const core::RunRecord& record, bool withExactLaw);

// The graph of a run, with the overlay of its exact law if asked, as the
// clipboard, image files and prints show it.
void paintRecord(QPainter& painter, const QRectF& area, const core::RunRecord& record, bool withExactLaw,
                 const QColor& textColour);

// The layers paintGraph is made of, from the bottom up, each painted into
// `area` as paintGraph paints it but without its clip. Only the bars and
// the overlay depend on the run.
void paintFrame(QPainter& painter, const QRectF& area);  // the grid, the ticks, the vertical axis
void paintBars(QPainter& painter, const QRectF& area, const core::Tally& tally);  // and the horizontal axis
void paintTexts(QPainter& painter, const QRectF& area, const QColor& textColour);
void paintOverlay(QPainter& painter, const QRectF& area, const core::Tally& tally, const ExactOverlay& overlay);

// The captions paintTexts paints, in the language of the moment.
QStringList captionTexts();

// Rectangles that hold all the ink of each text paintTexts paints with
// `metrics` into `area`, give or take `margin`.
std::vector<QRectF> textBounds(const QFontMetricsF& metrics, const QRectF& area, qreal margin);

// Whether a bar of the tally or the horizontal axis comes into `box`
// (in the same coordinates as `area`).
bool barsReach(const QRectF& area, const core::Tally& tally, const QRectF& box);

}  // namespace coinwell::graph
