#include "core/meeting_replay.h"

#include <algorithm>
#include <cmath>

namespace coinwell::core {
namespace {

// How far a replay's axis reaches either way before the first guest.
double startReach(int guests) { return 3.0 * std::sqrt(static_cast<double>(std::max(guests, 1))); }

// The round step of an axis that reaches `reach`: 1, 2 or 5 times a power of
// ten, the smallest that gets there in five steps.
int roundStep(double reach)
{
    for (int power = 1;; power *= 10) {
        for (const int step : {power, 2 * power, 5 * power}) {
            if (std::ceil(reach / step - 1e-9) <= 5) {
                return step;
            }
        }
    }
}

// The lowest of the first `shown` balances, 0 before the first guest.
int lowestOf(const std::vector<int>& balances, int shown)
{
    const auto end = balances.begin() + shown;
    return shown > 0 ? std::min(0, *std::min_element(balances.begin(), end)) : 0;
}

}  // namespace

AxisRange replayStartAxis(int guests)
{
    const double reach = startReach(guests);
    const int step = roundStep(reach);
    const int end = std::min(static_cast<int>(std::ceil(reach / step - 1e-9)) * step, std::max(guests, 0) + 1);
    return {-end, end};
}

Replay::Replay(std::vector<int> balances)
    : balances_(std::move(balances)), startAxis_(replayStartAxis(guests())), axis_(startAxis_)
{
    while (paceIndex_ + 1 < static_cast<int>(kReplayPaces.size()) && pace() * kReplaySeconds < guests()) {
        ++paceIndex_;
    }
}

void Replay::keepInView()
{
    const int shown = shownGuests();
    std::vector<int> drawn(balances_.begin(), balances_.begin() + shown);
    if (const std::optional<int> level = mirrorLevel()) {
        const std::vector<int> mirrored = mirroredAt(drawn, *level);
        drawn.insert(drawn.end(), mirrored.begin(), mirrored.end());
    }
    const auto [low, high] = std::minmax_element(drawn.begin(), drawn.end());
    const int lowest = drawn.empty() ? 0 : *low;
    const int highest = drawn.empty() ? 0 : *high;
    // A coin to spare beyond every balance, as far as the guests can go.
    const int limit = guests() + 1;
    const int step = roundStep(startReach(guests()));
    while (lowest - 1 < axis_.from && axis_.from > -limit) {
        axis_.from = std::max(axis_.from - step, -limit);
    }
    while (highest + 1 > axis_.to && axis_.to < limit) {
        axis_.to = std::min(axis_.to + step, limit);
    }
}

std::optional<int> Replay::mirrorLevel() const
{
    if (!mirrored_) {
        return std::nullopt;
    }
    if (chosenLevel_) {
        return chosenLevel_;
    }
    const int lowest = lowestOf(balances_, shownGuests());
    // At or below the middle: -7 gives -4, -8 gives -4, -1 gives -1.
    return lowest < 0 ? std::optional((lowest - 1) / 2) : std::nullopt;
}

void Replay::toggleMirror()
{
    mirrored_ = !mirrored_;
    chosenLevel_.reset();
    keepInView();
}

void Replay::raiseMirror()
{
    if (const std::optional<int> level = mirrorLevel()) {
        chosenLevel_ = std::min(*level + 1, -1);
        keepInView();
    }
}

void Replay::lowerMirror()
{
    if (const std::optional<int> level = mirrorLevel()) {
        chosenLevel_ = *level - 1 >= lowestOf(balances_, shownGuests()) ? *level - 1 : *level;
        keepInView();
    }
}

void Replay::advance(double seconds)
{
    if (!paused_ && seconds > 0) {
        shown_ = std::min<double>(guests(), shown_ + seconds * pace());
        keepInView();
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
    keepInView();
}

void Replay::faster() { paceIndex_ = std::min(paceIndex_ + 1, static_cast<int>(kReplayPaces.size()) - 1); }

void Replay::slower() { paceIndex_ = std::max(paceIndex_ - 1, 0); }

void Replay::finish()
{
    shown_ = guests();
    keepInView();
}

void Replay::restart()
{
    shown_ = 0.0;
    paused_ = false;
}

int Replay::shownGuests() const { return static_cast<int>(std::floor(shown_)); }

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

std::vector<Message> mirrorWords(std::optional<int> level, bool finished)
{
    if (!level) {
        return {finished ? say(phrase("coinwell::graph", "nothing to mirror: this meeting never went below 0"))
                         : say(phrase("coinwell::graph", "nothing to mirror yet: the balance has not gone below 0"))};
    }
    return {say(phrase("coinwell::graph", "A path touching %1 and ending at b has a twin ending at %2 − b."),
                {number(*level), number(2 * *level)}),
            say(phrase("coinwell::graph", "Meetings reaching %1 = those ending there + 2 × those ending below it."),
                {number(*level)})};
}

namespace {

// The part of the axis beyond where it started, from `from` to `to`, shaded,
// and named in it, or where it is too narrow for the words just inside the
// axis it started on, next to it; `below`: the part under the start's.
void markWidening(Drawing& drawing, const ChartSpace& space, int from, int to, bool below, const TextSetter& setter)
{
    constexpr Colour kWidenedColour{232, 232, 232};
    const Point top = space.map(space.x.from, to);
    const Point bottom = space.map(space.x.to, from);
    drawing.add(Shape::Kind::Box, {top, {bottom.x - top.x, bottom.y - top.y}}, kWidenedColour);
    const double high = setter.lineHeight;
    const double wordsTop = bottom.y - top.y >= high ? (top.y + bottom.y - high) / 2 : below ? top.y - high : bottom.y;
    drawing.text(setter, say(phrase("coinwell::graph", "axis widened")), {top.x + high / 4, wordsTop}, Align::Left,
                 kReferenceColour);
}

}  // namespace

Drawing replayPicture(const Rect& area, const Replay& replay, const TextSetter& setter)
{
    Drawing drawing{area, {}};
    const std::vector<int>& balances = replay.balances();
    if (!(area.width > 0 && area.height > 0) || balances.empty()) {
        return drawing;
    }
    const int guests = replay.guests();
    const int shown = std::clamp(replay.shownGuests(), 0, guests);
    const std::optional<int> level = replay.mirrorLevel();
    const std::vector<Message> mirrorLines =
        replay.mirrored() ? mirrorWords(level, replay.finished()) : std::vector<Message>{};
    const AxisRange y = replay.axis();
    const ChartSpace space = drawChartFrame(drawing, {0, guests}, y, say(phrase("coinwell::graph", "Coin balance")),
                                            say(phrase("coinwell::graph", "Guests in order")), setter,
                                            {replay.mirrored() ? 4 : 2, 0.0, {}});
    const double width = std::max(1.5, setter.lineHeight / 8);

    const ReplayFacts facts = replayFacts(balances, shown);
    const double left = rowLeft(drawing, setter);
    drawing.text(setter, replayProgress(facts), {left, rowTop(drawing, setter, 0)});
    drawing.text(setter, replayState(replay, facts), {left, rowTop(drawing, setter, 1)});
    for (std::size_t line = 0; line < mirrorLines.size(); ++line) {
        drawing.text(setter, mirrorLines[line], {left, rowTop(drawing, setter, 2 + static_cast<int>(line))}, Align::Left,
                     kReadyColour);
    }
    const AxisRange first = replay.startAxis();
    if (y.from < first.from) {
        markWidening(drawing, space, y.from, first.from, true, setter);
    }
    if (y.to > first.to) {
        markWidening(drawing, space, first.to, y.to, false, setter);
    }
    drawing.path({space.map(0, 0), space.map(guests, 0)}, kFrameColour);

    if (level) {
        const Point start = space.map(0, *level);
        drawing.path({start, space.map(guests, *level)}, kReadyColour, width / 1.5, true);
        // From where the path shown first reaches the level to its end.
        const std::vector<int> path(balances.begin(), balances.begin() + shown);
        const auto touch = std::find(path.begin(), path.end(), *level) - path.begin() + 1;
        if (shown > touch) {
            std::vector<Point> reflected = pathPoints(space, mirroredAt(path, *level), shown);
            reflected.erase(reflected.begin(), reflected.begin() + touch);
            drawing.path(std::move(reflected), kReadyColour, width, true);
        }
    }
    if (facts.lowest) {
        drawing.path({space.map(0, *facts.lowest), space.map(guests, *facts.lowest)}, kLowestColour, width / 1.5, true);
        drawing.path(pathPoints(space, balances, shown), kPathColour, width);
        drawing.add(Shape::Kind::Dot, {space.map(facts.lowestGuest, *facts.lowest)}, kLowestColour, 2.5 * width);
        drawing.add(Shape::Kind::Dot, {space.map(shown, facts.balance)}, kPathColour, 1.5 * width);
    }
    if (level) {
        // The level's words over its line at the right, where the axis
        // numbers never are, else under it, else at its left end: wherever
        // the path leaves them room.
        std::string words = setter.text(say(phrase("coinwell::graph", "mirrored at %1"), {number(*level)}));
        const double wordsWidth = setter.width(words);
        const double y = space.map(0, *level).y;
        const double gap = setter.lineHeight / 8;
        const double right = space.plot.right() - wordsWidth;
        const double leftEnd = space.plot.left + setter.lineHeight / 4;
        drawing.label(setter, std::move(words),
                      {{right, y - setter.lineHeight - gap}, {right, y + gap}, {leftEnd, y - setter.lineHeight - gap},
                       {leftEnd, y + gap}},
                      kReadyColour);
    }
    drawing.layer();
    return drawing;
}

}  // namespace coinwell::core
