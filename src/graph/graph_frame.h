#pragma once

#include "platform/runtime/drawing_surface.h"

namespace coinwell::graph {

// The graph's scale: x from 0 to 130 across, y from 0 to 300 down. A count c
// stands at y = 280 - c, a shortage s at x = 120 + s.
inline constexpr float kScaleWidth = 130.0F;
inline constexpr float kScaleHeight = 300.0F;
inline constexpr float kBaseLineY = 280.0F;

// Axes, ticks, the dotted and the solid grid, both axis captions and the
// labels of the vertical axis, in black. The same for every run.
void DrawFrame(platform::DrawingSurface& picture);

}  // namespace coinwell::graph
