#include "core/square_root_law.h"

#include "core/coins_ready.h"
#include "core/settings.h"
#include "core/shortage_law.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace coinwell::core {

std::vector<ExactForGuests> exactForAllGuests(int percent)
{
    std::vector<ExactForGuests> exact;
    exact.reserve(static_cast<std::size_t>(kGuestRange.highest - kGuestRange.lowest + 1));
    for (int guests = kGuestRange.lowest; guests <= kGuestRange.highest; ++guests) {
        const ShortageLaw law(guests);
        exact.push_back({guests, law.mean(), coinsToHaveReady(law, percent)});
    }
    return exact;
}

std::array<int, kNamedGuests.size()> exactCoinsOfNamedGuests(int percent)
{
    std::array<int, kNamedGuests.size()> coins{};
    std::transform(kNamedGuests.begin(), kNamedGuests.end(), coins.begin(),
                   [percent](int guests) { return coinsToHaveReady(ShortageLaw(guests), percent); });
    return coins;
}

double squareRootReference(int guests) { return std::sqrt(2.0 * guests / std::numbers::pi); }

void RunHistory::add(const RunResult& result)
{
    Run run{result.settings.guestCount, result.meanShortage(), {}};
    std::transform(kReadyPercents.begin(), kReadyPercents.end(), run.coins.begin(),
                   [&](int percent) { return coinsToHaveReady(result.counts, percent); });
    runs_.push_back(run);
}

std::vector<RunPoint> RunHistory::points(int percent) const
{
    std::vector<RunPoint> points;
    const auto chosen = std::find(kReadyPercents.begin(), kReadyPercents.end(), percent);
    if (chosen != kReadyPercents.end()) {
        const auto index = static_cast<std::size_t>(chosen - kReadyPercents.begin());
        for (const Run& run : runs_) {
            points.push_back({run.guests, run.averageShortage, run.coins[index]});
        }
    }
    return points;
}

namespace {

constexpr Colour kReferenceColour{90, 90, 90};

}  // namespace

Drawing squareRootScene(const Rect& area, const std::vector<ExactForGuests>& exact, const std::vector<RunPoint>& runs,
                        const SquareRootTexts& texts)
{
    Drawing drawing;
    drawing.area = area;
    if (!(area.width > 0 && area.height > 0) || exact.empty()) {
        return drawing;
    }
    int highest = 1;
    for (const ExactForGuests& point : exact) {
        highest = std::max(highest, point.coins);
    }
    for (const RunPoint& run : runs) {
        highest = std::max({highest, run.coins, static_cast<int>(std::ceil(-run.averageShortage))});
    }
    const int top = (highest + 9) / 10 * 10;
    const ChartSpace space =
        drawChartFrame(drawing, {0, exact.back().guests}, {0, top}, texts.chart, 3);
    const TextMetrics& metrics = texts.chart.metrics;
    const double width = std::max(1.5, metrics.lineHeight / 8);

    const double left = rowLeft(drawing, metrics);
    const double right = rowRight(drawing, metrics);
    drawing.texts.push_back({texts.lesson, {left, rowTop(drawing, metrics, 0)}, Align::Left, std::nullopt});
    drawing.texts.push_back({texts.meanLegend, {left, rowTop(drawing, metrics, 1)}, Align::Left, kExactColour});
    drawing.texts.push_back({texts.coinsLegend, {right, rowTop(drawing, metrics, 1)}, Align::Right, kReadyColour});
    drawing.texts.push_back(
        {texts.referenceLegend, {left, rowTop(drawing, metrics, 2)}, Align::Left, kReferenceColour});
    drawing.texts.push_back({texts.runsLegend, {right, rowTop(drawing, metrics, 2)}, Align::Right, std::nullopt});

    Stroke reference{{}, kReferenceColour, width / 1.5, true};
    Stroke mean{{}, kExactColour, width, false};
    Stroke coins{{}, kReadyColour, width, false};
    for (const ExactForGuests& point : exact) {
        reference.points.push_back(space.map(point.guests, squareRootReference(point.guests)));
        mean.points.push_back(space.map(point.guests, -point.meanShortage));
        coins.points.push_back(space.map(point.guests, point.coins));
    }
    drawing.strokes.push_back(std::move(reference));
    drawing.strokes.push_back(std::move(mean));
    drawing.strokes.push_back(std::move(coins));
    for (const RunPoint& run : runs) {
        drawing.dots.push_back({space.map(run.guests, -run.averageShortage), 2.5 * width, kExactColour, false});
        drawing.dots.push_back({space.map(run.guests, run.coins), 2 * width, kReadyColour, true});
    }
    return drawing;
}

}  // namespace coinwell::core
