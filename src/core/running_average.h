#pragma once

#include "core/chart.h"
#include "core/clock.h"
#include "core/coins_ready.h"
#include "core/drawing.h"
#include "core/random_source.h"
#include "core/shortage_counts.h"
#include "core/settings.h"
#include "core/shortage_law.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// How many experiments are enough: what the first n experiments of a run
// say as n grows, and the view that plays it from 1 to kRunningExperiments
// experiments on a logarithmic axis beside the exact law.
namespace coinwell::core {

inline constexpr std::int32_t kRunningExperiments = 100'000;
// The view grows from one experiment to all of them in this many seconds.
inline constexpr double kRunningSeconds = 6.0;

// What the first `experiments` experiments of a run say.
struct RunningPoint {
    std::int64_t experiments = 0;
    double average = 0.0;
    double standardError = 0.0;  // none for one experiment, 0 here
    std::array<int, kReadyPercents.size()> coins{};  // to have ready for each share of kReadyPercents
};

// A run's shortages taken one at a time, in order.
class RunningTally {
public:
    explicit RunningTally(int guests) : counts_(guests) {}
    void add(int shortage);
    std::int64_t experiments() const { return experiments_; }
    RunningPoint point() const;

private:
    ShortageCounts counts_;
    std::int64_t experiments_ = 0;
    std::int64_t sum_ = 0;
    // The running mean and sum of squared deviations, updated one shortage
    // at a time, which never cancels as a sum of squares would.
    double mean_ = 0.0;
    double squares_ = 0.0;
};

// The experiments a trace reports after: 1, 2, 5, 10, 20, 50, ... below
// `experiments`, then `experiments` itself.
std::vector<std::int64_t> traceCounts(std::int64_t experiments);

// What the first n of `shortages` of `guests` guests said, for each n of
// `counts` (ascending, none beyond the shortages).
std::vector<RunningPoint> runningPoints(const std::vector<std::int16_t>& shortages, int guests,
                                        const std::vector<std::int64_t>& counts);

// The shortages of `experiments` experiments of `guestCount` guests in
// order, each from the source re-seeded by the clock, as a run takes them.
std::vector<std::int16_t> runningShortages(int guestCount, std::int32_t experiments, RandomSource& random, Clock& clock,
                                           int coinPercent = kFairPercent);

// From which experiment on the running average of `shortages` stayed within
// `tolerance` of `mean`, to the last; none if it was not within at the end.
std::optional<std::int64_t> settledFrom(const std::vector<std::int16_t>& shortages, double mean, double tolerance);

// The view: its own run of experiments and the exact law of their guests,
// played from one experiment on, kRunningSeconds to the end.
class RunningAverage {
public:
    RunningAverage(std::vector<std::int16_t> shortages, int guests, int coinPercent = kFairPercent);

    void advance(double seconds);
    // At the end, plays again from the start.
    void togglePause();
    void finish();

    std::int64_t experiments() const { return static_cast<std::int64_t>(shortages_.size()); }
    // How many experiments the view shows: as many more decades of them each
    // second it has played as take it to all of them in kRunningSeconds.
    std::int64_t shownExperiments() const;
    bool paused() const { return paused_; }
    bool finished() const { return seconds_ >= kRunningSeconds; }
    bool playing() const { return !paused_ && !finished(); }
    const ShortageLaw& law() const { return law_; }
    // The points the picture is drawn through, every experiment up to 100,
    // then some hundreds a decade, and the last.
    const std::vector<RunningPoint>& points() const { return points_; }
    // The running point after the experiments shown.
    RunningPoint shownPoint() const;
    // From which experiment on the average stayed within 0.5 and within 0.1
    // of the exact mean.
    std::optional<std::int64_t> withinHalf() const { return withinHalf_; }
    std::optional<std::int64_t> withinTenth() const { return withinTenth_; }

private:
    std::vector<std::int16_t> shortages_;
    ShortageLaw law_;
    std::vector<RunningPoint> points_;
    std::optional<std::int64_t> withinHalf_;
    std::optional<std::int64_t> withinTenth_;
    double seconds_ = 0.0;
    bool paused_ = false;
};

// The running average on a logarithmic axis of experiments, inside the band
// of 95 % around the exact mean, and under it the running coins to have
// ready for `percent` percent of meetings beside the exact coins; at the end
// how soon the average settled.
Drawing runningAveragePicture(const Rect& area, const RunningAverage& running, int percent, const TextSetter& setter);
Message runningAverageDescription(const RunningAverage& running, int percent);

}  // namespace coinwell::core
