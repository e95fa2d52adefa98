#pragma once

#include "core/shortage_counts.h"
#include "core/shortage_law.h"

#include <array>
#include <cstddef>
#include <optional>

namespace coinwell::core {

// The secretary's question: with k coins in the box at the start, a meeting
// gives every guest change exactly when its shortage is at least -k. Which
// share of meetings do k coins cover, and how few coins cover a given share?

// The shares of meetings the reports answer for, in percent.
inline constexpr std::array<int, 3> kReadyPercents{90, 95, 99};
// Where `percent` stands in kReadyPercents; none for another share.
std::optional<std::size_t> readyPercentIndex(int percent);

// The share of a run's experiments whose shortage is at least `shortage`;
// 0 for a run without experiments.
double shareAtLeast(const ShortageCounts& counts, int shortage);
// P(shortage >= s), summed from the top down so that a share near 1 keeps
// its last digits.
double shareAtLeast(const ShortageLaw& law, int shortage);

// The share of meetings that `coins` (0 or more) cover: shareAtLeast(-coins).
double shareCovered(const ShortageCounts& counts, int coins);
double shareCovered(const ShortageLaw& law, int coins);

// Whether an exact law's share reaches `percent` percent. The law's shares
// are sums of doubles, a few units in the last place off, so a share short
// of the goal by at most kShareTolerance counts as reaching it: 0.95 a hair
// below 0.95 reaches 95 %. For 1 to 1000 guests no exact share of meetings
// comes within 4e-6 of 90, 95 or 99 %, so the tolerance decides nothing
// there but the rounding.
inline constexpr double kShareTolerance = 1e-12;
bool reachesPercent(double share, int percent);

// The fewest coins, 0 or more, that cover at least `percent` (1 to 99)
// percent of meetings. A run's shares are compared in whole numbers of
// experiments, exactly; a run without experiments needs none.
int coinsToHaveReady(const ShortageCounts& counts, int percent);
int coinsToHaveReady(const ShortageLaw& law, int percent);
// A run's coins to have ready for each share of kReadyPercents, in order.
std::array<int, kReadyPercents.size()> coinsForReadyPercents(const ShortageCounts& counts);

}  // namespace coinwell::core
