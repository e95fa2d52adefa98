#pragma once

#include "desktop/toolkit/dialogs.h"
#include "desktop/toolkit/program_exit.h"
#include "desktop/toolkit/zoom.h"
#include "core/clock.h"
#include "core/random_source.h"
#include "core/square_root_law.h"
#include "sound/cue_player.h"

#include <cstdint>
#include <optional>

namespace coinwell {

// What the main window reaches outside itself. They outlive every main
// window, so a cue goes on sounding after the window that started it is gone.
struct MainWindowServices {
    Dialogs& dialogs;
    CuePlayer& cues;
    ProgramExit& programExit;
    core::RandomSource& random;
    core::Clock& clock;
    Zoom& zoom;
    // Every run since the program started, whichever window made it.
    core::RunHistory& runs;
    // The seed the program was started with, recorded with every result.
    std::optional<std::uint64_t> seed = {};
};

}  // namespace coinwell
