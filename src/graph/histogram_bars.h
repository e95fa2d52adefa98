#pragma once

#include "engine/tally.h"
#include "platform/runtime/drawing_surface.h"

#include <string_view>

namespace coinwell::graph {

// The label row of the horizontal axis as it is printed under the base line:
// the shortages -110 to 0, one under each tick.
inline constexpr std::string_view kShortageLabelRow =
    "        -110    -100     -90      -80      -70      -60     -50      -40      -30      -20      -10       0";

// One light-blue bar per bin, from (5 + b, 280) up to (6 + b, 280 - count),
// then the label row of the horizontal axis one text line below the base line.
void DrawBars(platform::DrawingSurface& picture, const engine::Tally& tally);

}  // namespace coinwell::graph
