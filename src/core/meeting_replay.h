#pragma once

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
    void toggleMirror() { mirrored_ = !mirrored_; }

    const std::vector<int>& balances() const { return balances_; }
    int guests() const { return static_cast<int>(balances_.size()); }
    int shownGuests() const;
    bool paused() const { return paused_; }
    bool finished() const { return shown_ >= guests(); }
    bool playing() const { return !paused_ && !finished(); }
    int pace() const { return kReplayPaces[static_cast<std::size_t>(paceIndex_)]; }
    bool mirrored() const { return mirrored_; }
    // The exact coins that cover `percent` percent of meetings of these
    // guests, where the mirror stands; worked out once for each share.
    int exactCoins(int percent) const;

private:
    std::vector<int> balances_;
    double shown_ = 0.0;
    int paceIndex_ = 0;
    bool paused_ = false;
    bool mirrored_ = false;
    mutable std::optional<std::pair<int, int>> exactCoins_;  // percent, coins
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

// The path of the guests shown in the area, on axes that fit the whole
// meeting so that nothing moves as it plays: the balance 0 a solid line,
// the lowest balance so far marked, and, while mirrored, the level of the
// exact coins for `percent` percent of meetings with the path reflected there.
Drawing replayPicture(const Rect& area, const Replay& replay, int percent, const TextSetter& setter);

}  // namespace coinwell::core
