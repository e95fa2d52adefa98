#pragma once

#include "platform/forms/layout.h"

namespace coinwell::help_window {

// The help window as it is created: its controls in creation order.
const platform::WindowSpec& Form2Layout();

}  // namespace coinwell::help_window
