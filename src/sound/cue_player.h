#pragma once

namespace coinwell {

// The two chimes the windows play.
enum class Cue {
    Rising,   // pinpon.wav: Init and Help
    Falling,  // endpinpon.wav: Exit
};

// Plays one cue at a time: each play stops whatever cue still sounds and
// starts the new one from its beginning. Callers read nothing back.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    virtual void play(Cue cue) = 0;
    // A cue is coming soon: whatever makes the first one start at once can
    // be done now.
    virtual void readAhead() {}
};

}  // namespace coinwell
