#pragma once

#include "sound/cue_player.h"

#include <QString>

#include <array>

namespace coinwell {

// How a cue stands: its file read and decoded, and whether it sounds.
struct CueState {
    bool ready = false;    // its file is read and decoded
    bool playing = false;  // started and not stopped or finished
    friend bool operator==(const CueState&, const CueState&) = default;
};
using CueStates = std::array<CueState, 2>;  // indexed by Cue

// Both chimes, read ahead so that a cue starts at once. They come from the
// chimes module (libcoinwell_chimes), which alone links Qt Multimedia: the
// sound libraries are loaded when the sound thread first needs them, never
// while the program starts. Made, used and destroyed on the sound thread
// only: making them is what first connects to the sound server, which is
// where a hung server holds the thread up.
class Chimes {
public:
    virtual ~Chimes() = default;
    // Stops whatever cue sounds and starts this one from its beginning.
    virtual void play(Cue cue) = 0;
    virtual CueStates state() const = 0;
};

// The module's one entry point: the chimes of pinpon.wav and endpinpon.wav in
// folder, owned by the caller.
using LoadChimes = Chimes* (*)(const QString& folder);
inline constexpr char kLoadChimesName[] = "coinwellLoadChimes";

}  // namespace coinwell
