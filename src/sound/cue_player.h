#pragma once

namespace coinwell {

// The two chimes: Rising (pinpon.wav) for Init and Help, Falling
// (endpinpon.wav) for Exit.
enum class Cue { Rising, Falling };

// Plays a cue from its start, cutting off whatever still sounds. Callers read
// nothing back: a cue that cannot be played is simply not heard.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    virtual void play(Cue cue) = 0;
};

}  // namespace coinwell
