#pragma once

#include "core/square_root_law.h"

#include <QColor>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace coinwell::graph {

// The square-root law for `percent` percent of meetings in `area`, with
// the runs made so far.
void paintSquareRoot(QPainter& painter, const QRectF& area, const std::vector<core::ExactForGuests>& exact,
                     const std::vector<core::RunPoint>& runs, int percent, const QColor& textColour);

// The same in words: the lesson, the exact coins at 100, 400 and 1000
// guests, and how many runs it shows.
QString squareRootDescription(int percent, std::size_t runs);

}  // namespace coinwell::graph
