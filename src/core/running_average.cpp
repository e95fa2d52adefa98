#include "core/running_average.h"

#include "core/experiment.h"
#include "core/one_decimal.h"
#include "core/precision.h"
#include "core/settings.h"

#include <algorithm>
#include <cmath>

namespace coinwell::core {

void RunningTally::add(int shortage)
{
    counts_.count(shortage);
    ++experiments_;
    sum_ += shortage;
    const double before = mean_;
    mean_ += (shortage - mean_) / static_cast<double>(experiments_);
    squares_ += (shortage - before) * (shortage - mean_);
}

RunningPoint RunningTally::point() const
{
    RunningPoint point{experiments_, experiments_ > 0 ? static_cast<double>(sum_) / static_cast<double>(experiments_) : 0.0,
                       0.0, coinsForReadyPercents(counts_)};
    if (experiments_ > 1) {
        const auto n = static_cast<double>(experiments_);
        point.standardError = std::sqrt(squares_ / (n - 1.0) / n);
    }
    return point;
}

std::vector<std::int64_t> traceCounts(std::int64_t experiments)
{
    std::vector<std::int64_t> counts;
    for (std::int64_t power = 1; power < experiments; power *= 10) {
        for (const std::int64_t step : {power, 2 * power, 5 * power}) {
            if (step < experiments) {
                counts.push_back(step);
            }
        }
    }
    if (experiments > 0) {
        counts.push_back(experiments);
    }
    return counts;
}

std::vector<RunningPoint> runningPoints(const std::vector<std::int16_t>& shortages, int guests,
                                        const std::vector<std::int64_t>& counts)
{
    RunningTally tally(guests);
    std::vector<RunningPoint> points;
    std::size_t taken = 0;
    for (const std::int64_t n : counts) {
        for (; static_cast<std::int64_t>(taken) < n; ++taken) {
            tally.add(shortages[taken]);
        }
        points.push_back(tally.point());
    }
    return points;
}

std::vector<std::int16_t> runningShortages(int guestCount, std::int32_t experiments, RandomSource& random, Clock& clock,
                                           int coinPercent)
{
    std::vector<std::int16_t> shortages(static_cast<std::size_t>(std::max(experiments, 0)));
    for (std::int16_t& shortage : shortages) {
        shortage = runExperiment(guestCount, random, clock, coinPercent);
    }
    return shortages;
}

std::optional<std::int64_t> settledFrom(const std::vector<std::int16_t>& shortages, double mean, double tolerance)
{
    std::optional<std::int64_t> from;
    std::int64_t sum = 0;
    for (std::size_t i = 0; i < shortages.size(); ++i) {
        sum += shortages[i];
        const auto n = static_cast<std::int64_t>(i + 1);
        const bool within = std::abs(static_cast<double>(sum) / static_cast<double>(n) - mean) <= tolerance;
        if (!within) {
            from.reset();
        } else if (!from) {
            from = n;
        }
    }
    return from;
}

namespace {

// Points a decade on the logarithmic axis beyond the first hundred
// experiments, more than a projector's width has pixels for.
constexpr int kPointsPerDecade = 200;

std::vector<std::int64_t> pointCounts(std::int64_t experiments)
{
    std::vector<std::int64_t> counts;
    for (std::int64_t n = 1; n <= std::min<std::int64_t>(experiments, 100); ++n) {
        counts.push_back(n);
    }
    for (int step = 2 * kPointsPerDecade + 1;; ++step) {
        const auto n = static_cast<std::int64_t>(std::llround(std::pow(10.0, static_cast<double>(step) / kPointsPerDecade)));
        if (n >= experiments) {
            break;
        }
        if (n > counts.back()) {
            counts.push_back(n);
        }
    }
    if (counts.back() < experiments) {
        counts.push_back(experiments);
    }
    return counts;
}

// Another share than the reports' is read as 95 %'s.
std::size_t shareIndex(int percent) { return readyPercentIndex(percent).value_or(1); }

}  // namespace

RunningAverage::RunningAverage(std::vector<std::int16_t> shortages, int guests, int coinPercent)
    : shortages_(std::move(shortages)), law_(guestsArriving(guests), coinPercent)
{
    if (shortages_.empty()) {
        seconds_ = kRunningSeconds;
        return;
    }
    points_ = runningPoints(shortages_, law_.guests(), pointCounts(experiments()));
    withinHalf_ = settledFrom(shortages_, law_.mean(), 0.5);
    withinTenth_ = settledFrom(shortages_, law_.mean(), 0.1);
}

void RunningAverage::advance(double seconds)
{
    if (playing()) {
        seconds_ = std::min(kRunningSeconds, seconds_ + seconds);
    }
}

void RunningAverage::togglePause()
{
    if (finished()) {
        seconds_ = 0.0;
        paused_ = false;
    } else {
        paused_ = !paused_;
    }
}

void RunningAverage::finish() { seconds_ = kRunningSeconds; }

std::int64_t RunningAverage::shownExperiments() const
{
    if (finished()) {
        return experiments();
    }
    const double decades = std::log10(static_cast<double>(experiments())) * seconds_ / kRunningSeconds;
    return std::clamp<std::int64_t>(static_cast<std::int64_t>(std::pow(10.0, decades)), 1, experiments());
}

RunningPoint RunningAverage::shownPoint() const
{
    const std::int64_t shown = shownExperiments();
    const auto after = std::upper_bound(points_.begin(), points_.end(), shown,
                                        [](std::int64_t n, const RunningPoint& point) { return n < point.experiments; });
    return after == points_.begin() ? RunningPoint{} : *(after - 1);
}

namespace {

// 100000 as "100,000", for the axis of experiments.
std::string grouped(std::int64_t value)
{
    const std::string digits = std::to_string(value);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text += ',';
        }
        text += digits[i];
    }
    return text;
}

constexpr Colour kBandColour{255, 222, 196};

Message shownWords(const RunningAverage& running)
{
    const RunningPoint point = running.shownPoint();
    return say(phrase("coinwell::graph", "experiments: %1, average %2"),
               {verbatim(grouped(point.experiments)), verbatim(fixedDecimals(point.average, 2))});
}

Message settledWords(std::optional<std::int64_t> from, double tolerance, std::int64_t experiments)
{
    const Message within = verbatim(fixedDecimals(tolerance, 1));
    return from ? say(phrase("coinwell::graph", "within %1 of the exact mean from experiment %2 on"),
                      {within, verbatim(grouped(*from))})
                : say(phrase("coinwell::graph", "not within %1 of the exact mean after %2 experiments"),
                      {within, verbatim(grouped(experiments))});
}

double axisX(std::int64_t experiments) { return std::log10(static_cast<double>(experiments)); }

}  // namespace

Drawing runningAveragePicture(const Rect& area, const RunningAverage& running, int percent, const TextSetter& setter)
{
    Drawing drawing{area, {}};
    const std::vector<RunningPoint>& points = running.points();
    if (!(area.width > 0 && area.height > 0) || points.empty()) {
        return drawing;
    }
    const std::size_t share = shareIndex(percent);
    const double mean = running.law().mean();
    const double spread = kNormal95 * standardDeviation(running.law());
    const std::int64_t shown = running.shownExperiments();
    const AxisRange x{0, std::max(1, static_cast<int>(std::ceil(axisX(running.experiments()) - 1e-9)))};
    const auto xName = [](int decade) { return grouped(static_cast<std::int64_t>(std::llround(std::pow(10.0, decade)))); };
    const double width = std::max(1.5, setter.lineHeight / 8);

    // The average, over the whole run, so that the axes stand still as it plays.
    double lowest = mean - spread;
    double highest = mean + spread;
    int mostCoins = coinsToHaveReady(running.law(), percent);
    for (const RunningPoint& point : points) {
        lowest = std::min(lowest, point.average);
        highest = std::max(highest, point.average);
        mostCoins = std::max(mostCoins, point.coins[share]);
    }
    const AxisRange averageRange{static_cast<int>(std::floor(lowest)), static_cast<int>(std::ceil(highest))};
    const AxisRange coinsRange{0, std::max(1, mostCoins + 1)};
    // Both plots start at one place, for an experiment to stand at one x in both.
    const double numbers = std::max(numbersWidth(averageRange, setter), numbersWidth(coinsRange, setter));
    Drawing top{{area.left, area.top, area.width, area.height * 0.6}, {}};
    const ChartSpace averages =
        drawChartFrame(top, x, averageRange, say(phrase("coinwell::graph", "Average shortage")),
                       say(phrase("coinwell::graph", "Experiments")), setter, {4, numbers, xName});
    std::vector<Point> band;
    for (const RunningPoint& point : points) {
        band.push_back(averages.map(axisX(point.experiments), mean + spread / std::sqrt(point.experiments)));
    }
    for (auto point = points.rbegin(); point != points.rend(); ++point) {
        band.push_back(averages.map(axisX(point->experiments), mean - spread / std::sqrt(point->experiments)));
    }
    top.add(Shape::Kind::Polygon, std::move(band), kBandColour);
    top.path({averages.map(0, mean), averages.map(x.to, mean)}, kExactColour, width);
    std::vector<Point> path;
    for (const RunningPoint& point : points) {
        if (point.experiments > shown) {
            break;
        }
        path.push_back(averages.map(axisX(point.experiments), point.average));
    }
    const Point last = path.back();
    top.path(std::move(path), kBarColour, width);
    top.add(Shape::Kind::Dot, {last}, kBarColour, 2 * width);

    const double left = rowLeft(top, setter);
    const double right = rowRight(top, setter);
    top.text(setter, shownWords(running), {left, rowTop(top, setter, 0)}, Align::Left, kBarColour);
    top.text(setter, say(phrase("coinwell::graph", "exact mean %1"), {verbatim(fixedDecimals(mean, 2))}),
             {right, rowTop(top, setter, 0)}, Align::Right, kExactColour);
    top.text(setter, say(phrase("coinwell::graph", "band: where 95% of running averages stay")), {left, rowTop(top, setter, 1)},
             Align::Left, kExactColour);
    if (running.finished()) {
        top.text(setter, settledWords(running.withinHalf(), 0.5, running.experiments()), {left, rowTop(top, setter, 2)});
        top.text(setter, settledWords(running.withinTenth(), 0.1, running.experiments()), {left, rowTop(top, setter, 3)});
    }

    Drawing bottom{{area.left, top.area.bottom(), area.width, area.height - top.area.height}, {}};
    const int exactCoins = coinsToHaveReady(running.law(), percent);
    const ChartSpace coins = drawChartFrame(bottom, x, coinsRange, say(phrase("coinwell::graph", "Coins")),
                                            say(phrase("coinwell::graph", "Experiments")), setter, {1, numbers, xName});
    bottom.path({coins.map(0, exactCoins), coins.map(x.to, exactCoins)}, kReadyColour, width, true);
    std::vector<Point> steps;
    for (const RunningPoint& point : points) {
        if (point.experiments > shown) {
            break;
        }
        if (!steps.empty()) {
            steps.push_back({coins.map(axisX(point.experiments), 0).x, steps.back().y});
        }
        steps.push_back(coins.map(axisX(point.experiments), point.coins[share]));
    }
    bottom.path(std::move(steps), kReadyColour, width);
    bottom.text(setter,
                sayCount(plural("coinwell::graph", "%n coin(s) for %1% of meetings"), running.shownPoint().coins[share],
                         {number(percent)}),
                {rowLeft(bottom, setter), rowTop(bottom, setter, 0)}, Align::Left, kReadyColour);
    bottom.text(setter, sayCount(plural("coinwell::graph", "exact: %n coin(s)"), exactCoins),
                {rowRight(bottom, setter), rowTop(bottom, setter, 0)}, Align::Right, kReadyColour);

    drawing.shapes = std::move(top.shapes);
    drawing.shapes.insert(drawing.shapes.end(), bottom.shapes.begin(), bottom.shapes.end());
    drawing.layer();
    return drawing;
}

Message runningAverageDescription(const RunningAverage& running, int percent)
{
    const RunningPoint point = running.shownPoint();
    const std::size_t share = shareIndex(percent);
    std::vector<Message> parts{
        say(phrase("coinwell::graph", "How many experiments are enough: after %1 of %2 experiments the running average is %3; "
                                      "the exact mean is %4."),
            {verbatim(grouped(point.experiments)), verbatim(grouped(running.experiments())),
             verbatim(fixedDecimals(point.average, 2)), verbatim(fixedDecimals(running.law().mean(), 2))}),
        say(phrase("coinwell::graph", "Coins for %1% of meetings: %2, exact %3."),
            {number(percent), number(point.coins[share]), number(coinsToHaveReady(running.law(), percent))})};
    if (running.finished()) {
        parts.push_back(say(phrase("coinwell::graph", "The running average: %1; %2."),
                            {settledWords(running.withinHalf(), 0.5, running.experiments()),
                             settledWords(running.withinTenth(), 0.1, running.experiments())}));
    }
    return sentences(std::move(parts));
}

}  // namespace coinwell::core
