#pragma once

#include "platform/sound/media_control.h"

#include <string>

namespace coinwell::main_window {

// Stops and closes whatever the control has open, then opens the wave file
// and starts it. Nothing is read back from the control.
void PlayCue(platform::MediaControl& MMControl1, const std::string& fileName);

}  // namespace coinwell::main_window
