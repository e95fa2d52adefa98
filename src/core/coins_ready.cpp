#include "core/coins_ready.h"

#include <algorithm>
#include <cstdint>

namespace coinwell::core {

namespace {

// Experiments whose shortage is at least `shortage`.
std::int64_t countAtLeast(const ShortageCounts& counts, int shortage)
{
    std::int64_t covered = 0;
    for (int s = ShortageCounts::kHighestShortage; s >= shortage && s >= counts.lowest(); --s) {
        covered += counts.at(s);
    }
    return covered;
}

}  // namespace

double shareAtLeast(const ShortageCounts& counts, int shortage)
{
    const std::int64_t total = counts.total();
    return total == 0 ? 0.0 : static_cast<double>(countAtLeast(counts, shortage)) / static_cast<double>(total);
}

double shareAtLeast(const ShortageLaw& law, int shortage)
{
    double share = 0.0;
    for (int s = ShortageCounts::kHighestShortage; s >= shortage && s >= law.lowest(); --s) {
        share += law.probability(s);
    }
    return share;
}

double shareCovered(const ShortageCounts& counts, int coins) { return shareAtLeast(counts, -coins); }

double shareCovered(const ShortageLaw& law, int coins) { return shareAtLeast(law, -coins); }

bool reachesPercent(double share, int percent) { return share >= percent / 100.0 - kShareTolerance; }

int coinsToHaveReady(const ShortageCounts& counts, int percent)
{
    // covered / total >= percent / 100, in integers.
    const std::int64_t goal = static_cast<std::int64_t>(percent) * counts.total();
    std::int64_t covered = 0;
    for (int s = ShortageCounts::kHighestShortage; s >= counts.lowest(); --s) {
        covered += counts.at(s);
        if (s <= 0 && 100 * covered >= goal) {
            return -s;
        }
    }
    return -counts.lowest();
}

int coinsToHaveReady(const ShortageLaw& law, int percent)
{
    double covered = law.probability(1);
    for (int s = 0; s > law.lowest(); --s) {
        covered += law.probability(s);
        if (reachesPercent(covered, percent)) {
            return -s;
        }
    }
    return law.guests();
}

std::optional<std::size_t> readyPercentIndex(int percent)
{
    const auto found = std::find(kReadyPercents.begin(), kReadyPercents.end(), percent);
    return found == kReadyPercents.end() ? std::nullopt
                                         : std::optional(static_cast<std::size_t>(found - kReadyPercents.begin()));
}

std::array<int, kReadyPercents.size()> coinsForReadyPercents(const ShortageCounts& counts)
{
    std::array<int, kReadyPercents.size()> coins{};
    std::transform(kReadyPercents.begin(), kReadyPercents.end(), coins.begin(),
                   [&](int percent) { return coinsToHaveReady(counts, percent); });
    return coins;
}

}  // namespace coinwell::core
