#pragma once

#include "platform/forms/layout.h"

namespace coinwell::main_window {

// The main window as it is created: its controls in creation order.
const platform::WindowSpec& Form1Layout();

// The graph area's user scale: x 0 to 130 across, y 0 to 300 down.
inline constexpr float kPictureScaleWidth = 130.0F;
inline constexpr float kPictureScaleHeight = 300.0F;

}  // namespace coinwell::main_window
