#pragma once

#include "core/message.h"
#include "core/shortage_counts.h"
#include "core/shortage_law.h"

#include <cstdint>
#include <optional>
#include <vector>

// How sure a run's answers are: how far its average may lie from the exact
// mean, and which coins to have ready a run of its size could have said.
namespace coinwell::core {

// The 1.96 of a two-sided 95 % normal interval, as a class writes it.
inline constexpr double kNormal95 = 1.96;

// A run's average with its spread and an approximate 95 % interval for the
// mean, average +- 1.96 standard errors, beside the exact law's.
struct AveragePrecision {
    std::int64_t experiments = 0;
    double average = 0.0;
    double standardDeviation = 0.0;  // of the shortages, divided by n - 1
    double standardError = 0.0;      // of the average: standardDeviation / sqrt(n)
    double low = 0.0;
    double high = 0.0;
    double exactMean = 0.0;
    double exactStandardDeviation = 0.0;
    bool exactMeanInside = false;
};

// Nothing for fewer than two experiments, which have no spread to measure.
std::optional<AveragePrecision> averagePrecision(const ShortageCounts& counts, const ShortageLaw& law);

// The standard deviation of the shortage by the exact law.
double standardDeviation(const ShortageLaw& law);

// The ranks, 1 to n from the fewest coins up, of the order statistics that
// bound a distribution-free 95 % interval for the coins that cover a share p
// of meetings: with B binomial(n, p), `lower` is the largest l with
// P(B < l) <= 2.5 % and `upper` the smallest u with P(B >= u) <= 2.5 %.
// lower 0 means no order statistic is low enough (the interval starts at
// the fewest coins there can be), upper n + 1 none high enough.
struct QuantileRanks {
    std::int64_t lower = 0;
    std::int64_t upper = 1;
};
QuantileRanks quantileRanks(std::int64_t experiments, int percent);

// The coins to have ready for `percent` percent of meetings, as a run says
// them (coinsToHaveReady), with the 95 % interval around them and the exact
// law's.
struct CoinsRange {
    int coins = 0;
    int fewest = 0;
    int most = 0;
    int exact = 0;
};
CoinsRange coinsRange(const ShortageCounts& counts, const ShortageLaw& law, int percent);

// The lines a report shows of all this, one message each, for the shares of
// kReadyPercents.
std::vector<Message> precisionLines(const ShortageCounts& counts, const ShortageLaw& law);

}  // namespace coinwell::core
