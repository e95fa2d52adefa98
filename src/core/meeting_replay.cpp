#include "core/meeting_replay.h"

#include "core/chart.h"
#include "core/coins_ready.h"
#include "core/shortage_law.h"

#include <algorithm>
#include <cmath>

namespace coinwell::core {

Replay::Replay(std::vector<int> balances) : balances_(std::move(balances))
{
    while (paceIndex_ + 1 < static_cast<int>(kReplayPaces.size()) && pace() * kReplaySeconds < guests()) {
        ++paceIndex_;
    }
}

void Replay::advance(double seconds)
{
    if (!paused_ && seconds > 0) {
        shown_ = std::min<double>(guests(), shown_ + seconds * pace());
    }
}

void Replay::togglePause()
{
    if (finished()) {
        restart();
        return;
    }
    paused_ = !paused_;
}

void Replay::step()
{
    paused_ = true;
    shown_ = std::min<double>(guests(), std::floor(shown_) + 1);
}

void Replay::faster() { paceIndex_ = std::min(paceIndex_ + 1, static_cast<int>(kReplayPaces.size()) - 1); }

void Replay::slower() { paceIndex_ = std::max(paceIndex_ - 1, 0); }

void Replay::finish() { shown_ = guests(); }

void Replay::restart()
{
    shown_ = 0.0;
    paused_ = false;
}

int Replay::shownGuests() const { return static_cast<int>(std::floor(shown_)); }

int Replay::exactCoins(int percent) const
{
    if (!exactCoins_ || exactCoins_->first != percent) {
        exactCoins_ = {percent, coinsToHaveReady(ShortageLaw(guests()), percent)};
    }
    return exactCoins_->second;
}

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

Message replayProgress(const ReplayFacts& facts)
{
    if (!facts.lowest) {
        return say(phrase("coinwell::graph", "Guest %1 of %2, balance %3"),
                   {number(facts.shown), number(facts.guests), number(facts.balance)});
    }
    return say(phrase("coinwell::graph", "Guest %1 of %2, balance %3, lowest so far %4"),
               {number(facts.shown), number(facts.guests), number(facts.balance), number(*facts.lowest)});
}

Message replayState(const Replay& replay, const ReplayFacts& facts)
{
    if (replay.finished()) {
        const int lowest = facts.lowest.value_or(0);
        if (lowest >= 0) {
            return say(phrase("coinwell::graph", "lowest balance %1: no coins were needed"), {number(lowest)});
        }
        return sayCount(plural("coinwell::graph", "lowest balance %1: %n coin(s) would have been enough"), -lowest,
                        {number(lowest)});
    }
    if (replay.paused()) {
        return say(phrase("coinwell::graph", "paused: Space plays on, → shows the next guest"));
    }
    return say(phrase("coinwell::graph", "%1 guests a second"), {number(replay.pace())});
}

Drawing replayPicture(const Rect& area, const Replay& replay, int percent, const TextSetter& setter)
{
    Drawing drawing{area, {}};
    const std::vector<int>& balances = replay.balances();
    if (!(area.width > 0 && area.height > 0) || balances.empty()) {
        return drawing;
    }
    const int guests = replay.guests();
    const int shown = std::clamp(replay.shownGuests(), 0, guests);
    const auto [lowest, highest] = std::minmax_element(balances.begin(), balances.end());
    AxisRange y{std::min(*lowest, 0) - 1, std::max(*highest, 0) + 1};
    std::vector<int> mirrored;
    const int level = replay.mirrored() ? -replay.exactCoins(percent) : 0;
    if (replay.mirrored()) {
        mirrored = mirroredAt(balances, level);
        const auto [mirroredLowest, mirroredHighest] = std::minmax_element(mirrored.begin(), mirrored.end());
        y = {std::min({y.from, level - 1, *mirroredLowest - 1}), std::max(y.to, *mirroredHighest + 1)};
    }
    const ChartSpace space = drawChartFrame(drawing, {0, guests}, y, say(phrase("coinwell::graph", "Coin balance")),
                                            say(phrase("coinwell::graph", "Guests in order")), setter, 2);
    const double width = std::max(1.5, setter.lineHeight / 8);

    const ReplayFacts facts = replayFacts(balances, shown);
    const double left = rowLeft(drawing, setter);
    drawing.text(setter, replayProgress(facts), {left, rowTop(drawing, setter, 0)});
    drawing.text(setter, replayState(replay, facts), {left, rowTop(drawing, setter, 1)});
    drawing.path({space.map(0, 0), space.map(guests, 0)}, kFrameColour);

    if (replay.mirrored()) {
        // The level's words stand over its line, where the axis numbers never are.
        const Point start = space.map(0, level);
        drawing.path({start, space.map(guests, level)}, kReadyColour, width / 1.5, true);
        drawing.text(setter, say(phrase("coinwell::graph", "mirrored at %1"), {number(level)}),
                     {space.plot.right(), start.y - setter.lineHeight - setter.lineHeight / 8}, Align::Right,
                     kReadyColour);
        if (*lowest <= level) {
            const auto first = std::find(balances.begin(), balances.end(), level) - balances.begin() + 1;
            if (shown > first) {
                std::vector<Point> reflected = pathPoints(space, mirrored, shown);
                reflected.erase(reflected.begin(), reflected.begin() + first);
                drawing.path(std::move(reflected), kReadyColour, width, true);
            }
        }
    }
    if (facts.lowest) {
        drawing.path({space.map(0, *facts.lowest), space.map(guests, *facts.lowest)}, kLowestColour, width / 1.5, true);
        drawing.path(pathPoints(space, balances, shown), kPathColour, width);
        drawing.add(Shape::Kind::Dot, {space.map(facts.lowestGuest, *facts.lowest)}, kLowestColour, 2.5 * width);
        drawing.add(Shape::Kind::Dot, {space.map(shown, facts.balance)}, kPathColour, 1.5 * width);
    }
    drawing.layer();
    return drawing;
}

}  // namespace coinwell::core
