#include "core/square_root_law.h"

#include "core/coins_ready.h"
#include "core/settings.h"
#include "core/shortage_law.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace coinwell::core {

std::vector<ExactForGuests> exactForAllGuests(int percent, int coinPercent)
{
    std::vector<ExactForGuests> exact;
    exact.reserve(static_cast<std::size_t>(kGuestRange.highest - kGuestRange.lowest + 1));
    for (int guests = kGuestRange.lowest; guests <= kGuestRange.highest; ++guests) {
        const ShortageLaw law(guests, coinPercent);
        exact.push_back({guests, law.mean(), coinsToHaveReady(law, percent)});
    }
    return exact;
}

std::array<int, kNamedGuests.size()> exactCoinsOfNamedGuests(int percent, int coinPercent)
{
    std::array<int, kNamedGuests.size()> coins{};
    std::transform(kNamedGuests.begin(), kNamedGuests.end(), coins.begin(),
                   [&](int guests) { return coinsToHaveReady(ShortageLaw(guests, coinPercent), percent); });
    return coins;
}

double squareRootReference(int guests) { return std::sqrt(2.0 * guests / std::numbers::pi); }

void RunHistory::add(const RunResult& result)
{
    runs_.push_back({result.settings.coinPercent, result.settings.guestCount, result.meanShortage(),
                     coinsForReadyPercents(result.counts)});
}

std::vector<RunPoint> RunHistory::points(int percent, int coinPercent) const
{
    std::vector<RunPoint> points;
    if (const std::optional<std::size_t> index = readyPercentIndex(percent)) {
        for (const Run& run : runs_) {
            if (run.coinPercent != coinPercent) {
                continue;
            }
            points.push_back({run.guests, run.averageShortage, run.coins[*index]});
        }
    }
    return points;
}

namespace {


// What the curves teach: the square-root law for the fair coin; with fewer
// guests paying with a coin, a shortage that grows with the guests
// themselves; with more, one that stays small.
Message lesson(int coinPercent)
{
    if (coinPercent < kFairPercent) {
        return say(phrase("coinwell::graph", "With fewer guests paying with a coin, the coins grow with the guests, not "
                                             "with their square root."));
    }
    if (coinPercent > kFairPercent) {
        return say(phrase("coinwell::graph", "With more guests paying with a coin, a few coins are enough for any number "
                                             "of guests."));
    }
    return say(phrase("coinwell::graph", "Four times the guests need only about twice the coins."));
}

}  // namespace

Drawing squareRootPicture(const Rect& area, const std::vector<ExactForGuests>& exact, const std::vector<RunPoint>& runs,
                          int percent, const TextSetter& setter, int coinPercent, const std::vector<ExactForGuests>& fair)
{
    Drawing drawing{area, {}};
    if (!(area.width > 0 && area.height > 0) || exact.empty()) {
        return drawing;
    }
    int highest = 1;
    for (const ExactForGuests& point : exact) {
        highest = std::max(highest, point.coins);
    }
    for (const ExactForGuests& point : fair) {
        highest = std::max(highest, point.coins);
    }
    for (const RunPoint& run : runs) {
        highest = std::max({highest, run.coins, static_cast<int>(std::ceil(-run.averageShortage))});
    }
    const int top = (highest + 9) / 10 * 10;
    const ChartSpace space = drawChartFrame(drawing, {0, exact.back().guests}, {0, top}, say(phrase("coinwell::graph", "Coins")),
                                            say(phrase("coinwell::graph", "Guests")), setter, {fair.empty() ? 3 : 4, 0.0, {}});
    const double width = std::max(1.5, setter.lineHeight / 8);

    const double left = rowLeft(drawing, setter);
    const double right = rowRight(drawing, setter);
    drawing.text(setter, lesson(coinPercent), {left, rowTop(drawing, setter, 0)});
    drawing.text(setter, say(phrase("coinwell::graph", "exact mean shortage, as coins")), {left, rowTop(drawing, setter, 1)},
                 Align::Left, kExactColour);
    drawing.text(setter, say(phrase("coinwell::graph", "exact coins for %1% of meetings"), {number(percent)}),
                 {right, rowTop(drawing, setter, 1)}, Align::Right, kReadyColour);
    // A formula, the same in every language.
    drawing.text(setter, verbatim("√(2n/π)"), {left, rowTop(drawing, setter, 2)}, Align::Left, kReferenceColour);
    drawing.text(setter, say(phrase("coinwell::graph", "runs: ○ average, ● coins")), {right, rowTop(drawing, setter, 2)},
                 Align::Right);

    std::vector<Point> reference;
    std::vector<Point> mean;
    std::vector<Point> coins;
    for (const ExactForGuests& point : exact) {
        reference.push_back(space.map(point.guests, squareRootReference(point.guests)));
        mean.push_back(space.map(point.guests, -point.meanShortage));
        coins.push_back(space.map(point.guests, point.coins));
    }
    drawing.path(std::move(reference), kReferenceColour, width / 1.5, true);
    if (!fair.empty()) {
        std::vector<Point> fairMean;
        std::vector<Point> fairCoins;
        for (const ExactForGuests& point : fair) {
            fairMean.push_back(space.map(point.guests, -point.meanShortage));
            fairCoins.push_back(space.map(point.guests, point.coins));
        }
        drawing.path(std::move(fairMean), kExactColour, width / 3);
        drawing.path(std::move(fairCoins), kReadyColour, width / 3);
        drawing.text(setter, say(phrase("coinwell::graph", "thin: the fair coin's; %1% paying with a coin: thick"),
                                 {number(coinPercent)}),
                     {left, rowTop(drawing, setter, 3)});
    }
    drawing.path(std::move(mean), kExactColour, width);
    drawing.path(std::move(coins), kReadyColour, width);
    for (const RunPoint& run : runs) {
        drawing.add(Shape::Kind::Ring, {space.map(run.guests, -run.averageShortage)}, kExactColour, 2.5 * width);
        drawing.add(Shape::Kind::Dot, {space.map(run.guests, run.coins)}, kReadyColour, 2 * width);
    }
    drawing.layer();
    return drawing;
}

Message squareRootDescription(int percent, std::size_t runs, int coinPercent)
{
    const std::array<int, kNamedGuests.size()> coins = exactCoinsOfNamedGuests(percent, coinPercent);
    return say(phrase("coinwell::graph", "Square-root law. %1 For %2% of meetings the exact coins are %3 at 100 guests, "
                              "%4 at 400 and %5 at 1000; runs shown: %6."),
               {lesson(coinPercent), number(percent), number(coins[0]), number(coins[1]), number(coins[2]),
                number(static_cast<long long>(runs))});
}

}  // namespace coinwell::core
