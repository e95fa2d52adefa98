#pragma once

#include "core/chart.h"
#include "core/drawing.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

// One meeting played back guest by guest: its balances, how far the
// playback has got, and the picture and words of what it shows.
namespace coinwell::core {

// The paces a replay can take, in guests a second.
inline constexpr std::array<int, 9> kReplayPaces{1, 2, 5, 10, 20, 50, 100, 200, 500};
// A replay starts at the slowest pace that shows the whole meeting within
// this many seconds.
inline constexpr double kReplaySeconds = 5.0;

// The vertical axis a replay of `guests` starts on, from their number alone,
// so that it tells nothing of the meeting to come: about three times the
// square root of the guests either way, out to a round number, but no
// further than the guests can take the balance, with a coin to spare.
AxisRange replayStartAxis(int guests);

class Replay {
public:
    explicit Replay(std::vector<int> balances);

    // Moves on by `seconds` of the pace unless paused or at the end.
    void advance(double seconds);
    // At the end, plays again from the start.
    void togglePause();
    // One guest more, and paused there.
    void step();
    void faster();
    void slower();
    void finish();
    void restart();
    void toggleMirror();
    // The mirror one coin higher or lower, among the levels the meeting
    // shown so far has reached: from -1 down to its lowest balance.
    void raiseMirror();
    void lowerMirror();

    const std::vector<int>& balances() const { return balances_; }
    int guests() const { return static_cast<int>(balances_.size()); }
    int shownGuests() const;
    bool paused() const { return paused_; }
    bool finished() const { return shown_ >= guests(); }
    bool playing() const { return !paused_ && !finished(); }
    int pace() const { return kReplayPaces[static_cast<std::size_t>(paceIndex_)]; }
    bool mirrored() const { return mirrored_; }
    // Where the mirror stands while mirrored: the level the teacher chose,
    // else the first at or below the middle of the lowest balance shown so
    // far; none while the meeting has not gone below 0.
    std::optional<int> mirrorLevel() const;
    // The vertical axis: the start's, widened a round step at a time
    // wherever the path (or its mirror image) shown has left it, and never
    // narrowed again in this replay.
    AxisRange axis() const { return axis_; }
    AxisRange startAxis() const { return startAxis_; }

private:
    // Widens the axis to hold what is now shown.
    void keepInView();

    std::vector<int> balances_;
    double shown_ = 0.0;
    int paceIndex_ = 0;
    bool paused_ = false;
    bool mirrored_ = false;
    std::optional<int> chosenLevel_;
    AxisRange startAxis_;
    AxisRange axis_;
};

// What the first `shown` balances of a meeting tell.
struct ReplayFacts {
    int shown = 0;
    int guests = 0;
    int balance = 0;              // after the last guest shown; 0 before the first
    std::optional<int> lowest;    // the lowest balance so far, none before the first guest
    int lowestGuest = 0;          // the first guest after whom it was reached
};

ReplayFacts replayFacts(const std::vector<int>& balances, int shown);

// The path reflected at `level` from the first guest after whom it stands
// there on: every later balance b becomes 2 * level - b. A path that never
// reaches the level comes back as it was.
std::vector<int> mirroredAt(const std::vector<int>& balances, int level);

// Where the playback is, and what it is doing: the pace, paused, or at the
// end what the shortage means.
Message replayProgress(const ReplayFacts& facts);
Message replayState(const Replay& replay, const ReplayFacts& facts);

// What the mirror at `level` means, in two lines, or while the meeting has
// not gone below 0 (`level` none) that there is nothing to mirror yet, or at
// its end nothing at all.
std::vector<Message> mirrorWords(std::optional<int> level, bool finished);

// The path of the guests shown in the area, on the replay's axis: the
// balance 0 a solid line, the lowest balance so far marked, any widening of
// the axis shaded and named, and, while mirrored, the mirror's level with
// the path reflected there from where it first reaches it, and what that
// means.
Drawing replayPicture(const Rect& area, const Replay& replay, const TextSetter& setter);

}  // namespace coinwell::core
