#pragma once

#include "core/chart.h"
#include "core/drawing.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// One meeting played back guest by guest: how far the playback has got, what
// the balances so far tell, and the picture of the path.
namespace coinwell::core {

// The paces a replay can take, in guests a second.
inline constexpr std::array<int, 9> kReplayPaces{1, 2, 5, 10, 20, 50, 100, 200, 500};
// A replay starts at the slowest pace that shows the whole meeting within
// this many seconds.
inline constexpr double kReplaySeconds = 5.0;

class ReplayProgress {
public:
    explicit ReplayProgress(int guests);

    // Moves on by `seconds` of the pace unless paused or at the end.
    void advance(double seconds);
    void togglePause();
    // One guest more, and paused there.
    void step();
    void faster();
    void slower();
    void finish();
    void restart();

    int guests() const { return guests_; }
    int shownGuests() const;
    bool paused() const { return paused_; }
    bool finished() const { return shown_ >= guests_; }
    int pace() const { return kReplayPaces[static_cast<std::size_t>(paceIndex_)]; }

private:
    int guests_;
    double shown_ = 0.0;
    int paceIndex_;
    bool paused_ = false;
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

// The replay's words, written by the front end from the facts.
struct ReplayTexts {
    ChartTexts chart;
    std::string progress;  // where the playback is
    std::string state;     // the pace, paused, or at the end what the shortage means
    std::string mirror;    // beside the mirror's level
};

// The path of the first `shown` guests in the area, on axes that fit the
// whole meeting so that nothing moves as it plays: the balance 0 a solid
// line, the lowest balance so far marked, and, with `mirrorCoins`, the
// mirror's level at -mirrorCoins with the path reflected there.
Drawing replayScene(const Rect& area, const std::vector<int>& balances, int shown, const ReplayTexts& texts,
                    std::optional<int> mirrorCoins = std::nullopt);

}  // namespace coinwell::core
