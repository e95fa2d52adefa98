#pragma once

#include "engine/tally.h"

#include <QColor>
#include <QRectF>

class QPainter;

namespace coinwell::graph {

// The graph's logical space: x from 0 to 130 across, y from 0 to 300 down.
// A count c stands at y = 280 - c, a shortage s at x = 120 + s, and the bar
// of bin b spans x = 5 + b to 6 + b.
inline constexpr qreal kLogicalWidth = 130.0;
inline constexpr qreal kLogicalHeight = 300.0;
inline constexpr qreal kBaseLineY = 280.0;

// Paints the frequency-distribution graph of a tally into `area` (in the
// painter's coordinates), which stands for the whole logical space: the
// frame in black, one light-blue bar per bin standing on the base line, the
// axis captions and the tick labels. Texts keep the painter's font at its
// size, whatever the area's; they are drawn in `textColour`. Nothing is
// painted outside `area`.
void paintGraph(QPainter& painter, const QRectF& area, const engine::Tally& tally, const QColor& textColour);

}  // namespace coinwell::graph
