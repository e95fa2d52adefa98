#pragma once

#include "platform/forms/dialogs.h"
#include "platform/forms/program.h"
#include "platform/forms/windows.h"
#include "platform/runtime/clock.h"
#include "platform/runtime/random_source.h"
#include "platform/sound/media_control.h"

namespace coinwell::main_window {

// What the main window's commands reach outside the window itself. Tests give
// scripted or recording stand-ins.
struct Form1Services {
    platform::Dialogs& dialogs;
    platform::MediaControl& media;  // MMControl1, shared so a cue outlives the window
    platform::Program& program;
    platform::Windows& windows;
    platform::RandomSource& random;
    platform::Clock& clock;
};

}  // namespace coinwell::main_window
