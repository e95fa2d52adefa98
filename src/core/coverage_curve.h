#pragma once

#include "core/drawing.h"
#include "core/graph_geometry.h"
#include "core/shortage_counts.h"
#include "core/shortage_law.h"

#include <string>

namespace coinwell::core {

// The coverage curve is drawn in purple, apart from the graph's other colours.
inline constexpr Colour kCoverageColour{140, 30, 150};

// The share of meetings that k coins cover, over the histogram: k coins
// stand where the shortage -k does, and the share runs from 0 at the base
// line to 100 % at the grid's top line, on a scale of its own.
// The run's shares are steps, one per shortage's bar; the exact law's, when
// given, a line through the bars' middles in the exact law's colour.
// `topLabel` names the scale's 100 %, the others are numbers.
Drawing coverageCurve(const GraphScene& graph, const Rect& area, const ShortageCounts& counts, const ShortageLaw* law,
                      const std::string& topLabel, const TextMetrics& metrics);

}  // namespace coinwell::core
