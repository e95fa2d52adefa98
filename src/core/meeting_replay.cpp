#include "core/meeting_replay.h"

#include "core/graph_geometry.h"

#include <algorithm>
#include <cmath>

namespace coinwell::core {

ReplayProgress::ReplayProgress(int guests) : guests_(std::max(guests, 0)), paceIndex_(0)
{
    while (paceIndex_ + 1 < static_cast<int>(kReplayPaces.size()) && pace() * kReplaySeconds < guests_) {
        ++paceIndex_;
    }
}

void ReplayProgress::advance(double seconds)
{
    if (!paused_ && seconds > 0) {
        shown_ = std::min<double>(guests_, shown_ + seconds * pace());
    }
}

void ReplayProgress::togglePause()
{
    if (finished()) {
        restart();
        return;
    }
    paused_ = !paused_;
}

void ReplayProgress::step()
{
    paused_ = true;
    shown_ = std::min<double>(guests_, std::floor(shown_) + 1);
}

void ReplayProgress::faster() { paceIndex_ = std::min(paceIndex_ + 1, static_cast<int>(kReplayPaces.size()) - 1); }

void ReplayProgress::slower() { paceIndex_ = std::max(paceIndex_ - 1, 0); }

void ReplayProgress::finish() { shown_ = guests_; }

void ReplayProgress::restart()
{
    shown_ = 0.0;
    paused_ = false;
}

int ReplayProgress::shownGuests() const { return static_cast<int>(std::floor(shown_)); }

ReplayFacts replayFacts(const std::vector<int>& balances, int shown)
{
    ReplayFacts facts;
    facts.guests = static_cast<int>(balances.size());
    facts.shown = std::clamp(shown, 0, facts.guests);
    for (int guest = 1; guest <= facts.shown; ++guest) {
        const int balance = balances[static_cast<std::size_t>(guest - 1)];
        if (!facts.lowest || balance < *facts.lowest) {
            facts.lowest = balance;
            facts.lowestGuest = guest;
        }
        facts.balance = balance;
    }
    return facts;
}

std::vector<int> mirroredAt(const std::vector<int>& balances, int level)
{
    std::vector<int> mirrored = balances;
    const auto first = std::find(mirrored.begin(), mirrored.end(), level);
    std::transform(first, mirrored.end(), first, [level](int balance) { return 2 * level - balance; });
    return mirrored;
}

namespace {

constexpr Colour kPathColour = kBarColour;
constexpr Colour kLowestColour = kExactColour;

// The balances from the first `shown` on as points of the chart, from the
// start at guest 0 with balance 0.
std::vector<Point> pathPoints(const ChartSpace& space, const std::vector<int>& balances, int shown)
{
    std::vector<Point> points{space.map(0, 0)};
    for (int guest = 1; guest <= shown; ++guest) {
        points.push_back(space.map(guest, balances[static_cast<std::size_t>(guest - 1)]));
    }
    return points;
}

}  // namespace

Drawing replayScene(const Rect& area, const std::vector<int>& balances, int shown, const ReplayTexts& texts,
                    std::optional<int> mirrorCoins)
{
    Drawing drawing;
    drawing.area = area;
    if (!(area.width > 0 && area.height > 0) || balances.empty()) {
        return drawing;
    }
    const int guests = static_cast<int>(balances.size());
    shown = std::clamp(shown, 0, guests);
    const auto [lowest, highest] = std::minmax_element(balances.begin(), balances.end());
    AxisRange y{std::min(*lowest, 0) - 1, std::max(*highest, 0) + 1};
    std::vector<int> mirrored;
    const int level = mirrorCoins ? -*mirrorCoins : 0;
    const bool mirrors = mirrorCoins && *lowest <= level;
    if (mirrorCoins) {
        mirrored = mirroredAt(balances, level);
        const auto [mirroredLowest, mirroredHighest] = std::minmax_element(mirrored.begin(), mirrored.end());
        y = {std::min({y.from, level - 1, *mirroredLowest - 1}), std::max(y.to, *mirroredHighest + 1)};
    }
    const ChartSpace space = drawChartFrame(drawing, {0, guests}, y, texts.chart, 2);
    const TextMetrics& metrics = texts.chart.metrics;
    const double width = std::max(1.5, metrics.lineHeight / 8);

    const double left = rowLeft(drawing, metrics);
    drawing.texts.push_back({texts.progress, {left, rowTop(drawing, metrics, 0)}, Align::Left, std::nullopt});
    drawing.texts.push_back({texts.state, {left, rowTop(drawing, metrics, 1)}, Align::Left, std::nullopt});
    drawing.strokes.push_back({{space.map(0, 0), space.map(guests, 0)}, kFrameColour, 0.0, false});

    const ReplayFacts facts = replayFacts(balances, shown);
    if (mirrorCoins) {
        // The level's words stand over its line, where the axis numbers never are.
        const Point start = space.map(0, level);
        drawing.strokes.push_back({{start, space.map(guests, level)}, kReadyColour, width / 1.5, true});
        drawing.texts.push_back({texts.mirror,
                                 {space.plot.left + space.plot.width, start.y - metrics.lineHeight - metrics.lineHeight / 8},
                                 Align::Right, kReadyColour});
        if (mirrors) {
            const auto first = std::find(balances.begin(), balances.end(), level) - balances.begin() + 1;
            if (shown > first) {
                std::vector<Point> reflected = pathPoints(space, mirrored, shown);
                reflected.erase(reflected.begin(), reflected.begin() + first);
                drawing.strokes.push_back({std::move(reflected), kReadyColour, width, true});
            }
        }
    }
    if (facts.lowest) {
        const Point at = space.map(facts.lowestGuest, *facts.lowest);
        drawing.strokes.push_back({{space.map(0, *facts.lowest), space.map(guests, *facts.lowest)}, kLowestColour,
                                   width / 1.5, true});
        drawing.strokes.push_back({pathPoints(space, balances, shown), kPathColour, width, false});
        drawing.dots.push_back({at, 2.5 * width, kLowestColour, true});
        drawing.dots.push_back({space.map(shown, facts.balance), 1.5 * width, kPathColour, true});
    }
    return drawing;
}

}  // namespace coinwell::core
