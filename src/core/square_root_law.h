#pragma once

#include "core/chart.h"
#include "core/coins_ready.h"
#include "core/run.h"
#include "core/drawing.h"

#include <array>
#include <string>
#include <vector>

// How the shortage grows with the guests: for every number of guests a
// setting allows, the exact mean shortage and the exact coins to have ready,
// beside the runs made so far and the curve sqrt(2n / pi) that both follow.
namespace coinwell::core {

struct ExactForGuests {
    int guests = 0;
    double meanShortage = 0.0;
    int coins = 0;  // for the chosen share of meetings
};

// From the fewest guests a setting allows to the most, one after another,
// each paying with a coin with the chance of `coinPercent` percent.
std::vector<ExactForGuests> exactForAllGuests(int percent, int coinPercent = kFairPercent);

// The numbers of guests the view's words name the exact coins for, and those
// coins for `percent` percent of meetings.
inline constexpr std::array<int, 3> kNamedGuests{100, 400, 1000};
std::array<int, kNamedGuests.size()> exactCoinsOfNamedGuests(int percent, int coinPercent = kFairPercent);

// sqrt(2n / pi): how far below its start a walk of n fair steps reaches on
// average, the longer the closer.
double squareRootReference(int guests);

// A run made so far: its guests, its average shortage and its coins to have
// ready at the chosen share.
struct RunPoint {
    int guests = 0;
    double averageShortage = 0.0;
    int coins = 0;
};

// The runs made since the program started, as the square-root law shows
// them.
class RunHistory {
public:
    void add(const RunResult& result);
    // The runs of guests paying with a coin as often as `coinPercent` says,
    // with their coins to have ready for `percent`, one of kReadyPercents;
    // none for another share of meetings.
    std::vector<RunPoint> points(int percent, int coinPercent = kFairPercent) const;

private:
    struct Run {
        int coinPercent = kFairPercent;
        int guests = 0;
        double averageShortage = 0.0;
        std::array<int, kReadyPercents.size()> coins{};  // one for each of kReadyPercents
    };
    std::vector<Run> runs_;
};

// Coins up, guests across: the negated exact mean and the exact coins for
// `percent` percent of meetings as lines, the reference dashed, each run as
// a ring at its negated average and a dot at its coins, with the lesson and
// a legend over them. For a share of guests paying with a coin other than
// the fair coin's (`fair` then the fair coin's curves), both laws' curves,
// the fair coin's thin, and what the share changes.
Drawing squareRootPicture(const Rect& area, const std::vector<ExactForGuests>& exact, const std::vector<RunPoint>& runs,
                          int percent, const TextSetter& setter, int coinPercent = kFairPercent,
                          const std::vector<ExactForGuests>& fair = {});

// The same in words: the lesson, the exact coins at the named guests, and
// how many runs it shows.
Message squareRootDescription(int percent, std::size_t runs, int coinPercent = kFairPercent);

}  // namespace coinwell::core
