#include "core/precision.h"

#include "core/coins_ready.h"
#include "core/one_decimal.h"

#include <algorithm>
#include <cmath>

namespace coinwell::core {

namespace {

// What each end of an interval may miss by.
constexpr double kTail = 0.025;

// The coins of the k-th fewest (k from 1 to n) of a run's experiments, the
// coins an experiment needs being -shortage, or none for a shortage of 0 or
// +1, as coinsToHaveReady counts them: the k-th highest shortage, found by
// counting down from +1.
int coinsOfRank(const ShortageCounts& counts, std::int64_t rank)
{
    std::int64_t reached = 0;
    for (int s = ShortageCounts::kHighestShortage; s >= counts.lowest(); --s) {
        reached += counts.at(s);
        if (reached >= rank) {
            return std::max(0, -s);
        }
    }
    return -counts.lowest();
}

}  // namespace

std::optional<AveragePrecision> averagePrecision(const ShortageCounts& counts, const ShortageLaw& law)
{
    const std::int64_t n = counts.total();
    if (n < 2) {
        return std::nullopt;
    }
    std::int64_t sum = 0;
    for (int s = counts.lowest(); s <= ShortageCounts::kHighestShortage; ++s) {
        sum += static_cast<std::int64_t>(s) * counts.at(s);
    }
    AveragePrecision precision;
    precision.experiments = n;
    precision.average = static_cast<double>(sum) / static_cast<double>(n);
    // About the average, not from the sum of squares, which would cancel.
    double squares = 0.0;
    for (int s = counts.lowest(); s <= ShortageCounts::kHighestShortage; ++s) {
        const double d = s - precision.average;
        squares += counts.at(s) * d * d;
    }
    precision.standardDeviation = std::sqrt(squares / static_cast<double>(n - 1));
    precision.standardError = precision.standardDeviation / std::sqrt(static_cast<double>(n));
    precision.low = precision.average - kNormal95 * precision.standardError;
    precision.high = precision.average + kNormal95 * precision.standardError;
    precision.exactMean = law.mean();
    precision.exactStandardDeviation = standardDeviation(law);
    precision.exactMeanInside = precision.low <= law.mean() && law.mean() <= precision.high;
    return precision;
}

double standardDeviation(const ShortageLaw& law)
{
    double variance = 0.0;
    for (int s = law.lowest(); s <= ShortageCounts::kHighestShortage; ++s) {
        const double d = s - law.mean();
        variance += law.probability(s) * d * d;
    }
    return std::sqrt(variance);
}

// Of n experiments, those that need no more than the coins c_p covering a
// share p of meetings are at least binomial(n, p) in number, and those that
// need fewer at most binomial(n, p); so the l-th fewest coins exceed c_p no
// more often than B < l, and the u-th fewest fall short of it no more often
// than B >= u. Each end thus misses at most 2.5 % of runs, whatever the law,
// and exactly that only where no two experiments could tie; with the ties
// of whole coins a run misses less. The binomial's terms are taken from
// their logarithms, as (1 - p)^n is below the smallest double long before
// ten million experiments; only terms within 40 standard deviations (and 40
// more) of np count, as those beyond add up to less than 10^-26.
QuantileRanks quantileRanks(std::int64_t experiments, int percent)
{
    const double n = static_cast<double>(experiments);
    const double p = percent / 100.0;
    const double reach = 40.0 * std::sqrt(n * p * (1.0 - p)) + 40.0;
    const auto first = std::max<std::int64_t>(0, static_cast<std::int64_t>(std::floor(n * p - reach)));
    const auto last = std::min<std::int64_t>(experiments, static_cast<std::int64_t>(std::ceil(n * p + reach)));
    const auto mass = [&](std::int64_t k) {
        const double x = static_cast<double>(k);
        return std::exp(std::lgamma(n + 1.0) - std::lgamma(x + 1.0) - std::lgamma(n - x + 1.0) + x * std::log(p) +
                        (n - x) * std::log1p(-p));
    };
    QuantileRanks ranks{first, last + 1};
    double below = 0.0;  // P(B < ranks.lower)
    for (std::int64_t k = first; k <= last && below + mass(k) <= kTail; ++k) {
        below += mass(k);
        ranks.lower = k + 1;
    }
    double above = 0.0;  // P(B >= ranks.upper)
    for (std::int64_t k = last; k >= first && above + mass(k) <= kTail; --k) {
        above += mass(k);
        ranks.upper = k;
    }
    return ranks;
}

CoinsRange coinsRange(const ShortageCounts& counts, const ShortageLaw& law, int percent)
{
    const std::int64_t n = counts.total();
    const QuantileRanks ranks = quantileRanks(n, percent);
    // Beyond the ranks, the fewest and the most coins any meeting can need.
    return {coinsToHaveReady(counts, percent), ranks.lower >= 1 ? coinsOfRank(counts, ranks.lower) : 0,
            ranks.upper <= n ? coinsOfRank(counts, ranks.upper) : -counts.lowest(), coinsToHaveReady(law, percent)};
}

std::vector<Message> precisionLines(const ShortageCounts& counts, const ShortageLaw& law)
{
    const auto decimals = [](double value) { return verbatim(fixedDecimals(value, 3)); };
    std::vector<Message> lines;
    if (const std::optional<AveragePrecision> precision = averagePrecision(counts, law)) {
        lines.push_back(say(phrase("coinwell::report", "Standard deviation of the shortage: %1"),
                            {decimals(precision->standardDeviation)}));
        lines.push_back(say(phrase("coinwell::report", "Exact standard deviation: %1"),
                            {decimals(precision->exactStandardDeviation)}));
        lines.push_back(say(phrase("coinwell::report", "Standard error of the average: %1"),
                            {decimals(precision->standardError)}));
        lines.push_back(say(precision->exactMeanInside
                                ? phrase("coinwell::report", "95% interval for the mean: %1 to %2, exact mean inside")
                                : phrase("coinwell::report", "95% interval for the mean: %1 to %2, exact mean outside"),
                            {decimals(precision->low), decimals(precision->high)}));
    } else {
        lines.push_back(say(phrase("coinwell::report", "Exact standard deviation: %1"), {decimals(standardDeviation(law))}));
        lines.push_back(say(phrase("coinwell::report",
                                   "A single experiment has no spread: no standard deviation, standard error or interval")));
    }
    lines.push_back(verbatim(""));
    lines.push_back(say(phrase("coinwell::report", "Coins to have ready, with what a run of this size could have said "
                                                   "(95% confidence):")));
    for (const int percent : kReadyPercents) {
        const CoinsRange range = coinsRange(counts, law, percent);
        lines.push_back(say(phrase("coinwell::report", "  in %1% of meetings: %2"),
                            {number(percent),
                             sayCount(plural("coinwell::report", "%n coin(s) (a run this size says %1 to %2; exact %3)"),
                                      range.coins, {number(range.fewest), number(range.most), number(range.exact)})}));
    }
    return lines;
}

}  // namespace coinwell::core
