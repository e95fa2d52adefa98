#pragma once

#include "core/drawing.h"

#include <QColor>
#include <QFontMetricsF>

class QPainter;

namespace coinwell::graph {

// What the painter's font tells a core view's layout.
core::TextMetrics textMetrics(const QFontMetricsF& metrics);

// Paints any core drawing, smoothed, in the order fills, strokes, dots,
// texts. Texts are set in the painter's font, in their own colour or
// `textColour`, each moved only as far as needed to lie within the
// drawing's area.
void paintDrawing(QPainter& painter, const core::Drawing& drawing, const QColor& textColour);

}  // namespace coinwell::graph
