#include "core/histogram.h"

#include "core/chart.h"
#include "core/class_meetings.h"
#include "core/coins_ready.h"
#include "core/one_decimal.h"
#include "core/precision.h"
#include "core/precision_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>

namespace coinwell::core {
namespace {

constexpr double kLogicalWidth = 130.0;
constexpr double kLogicalHeight = 300.0;
constexpr double kBaseLineY = 280.0;
constexpr double kCaptionTop = 7.0;
constexpr double kPlotLeft = 5.0;
constexpr double kPlotRight = 125.0;
constexpr double kPlotTop = 20.0;  // the vertical axis's highest tick
// The grid's top solid line, at 250 experiments, stands for 100 % of meetings.
constexpr double kFullShareY = kBaseLineY - 250.0;
// The coverage scale's line, right of the grid.
constexpr double kScaleX = 128.0;
// Coins up to the lowest single shortage each have a bar of their own.
constexpr int kMostCoins = -Tally::kLowestSingleShortage;

// The captions' top left corners, and those of the vertical axis's numbers,
// each 3 units above the solid row it names.
constexpr Point kCaptionCorners[] = {{5, 7}, {93, 7}};
constexpr std::array<int, 5> kVerticalNumbers{250, 200, 150, 100, 50};
// The shortages under the ticks of the horizontal axis, from x = 10 to 120.
constexpr int kFirstLabelledShortage = -110;
constexpr int kHorizontalNumberCount = 12;


// Maps the logical space onto the area.
struct ToArea {
    double scaleX = 1.0;
    double scaleY = 1.0;
    double dx = 0.0;
    double dy = 0.0;

    Point operator()(Point logical) const { return {scaleX * logical.x + dx, scaleY * logical.y + dy}; }
    double x(double logical) const { return scaleX * logical + dx; }
    double y(double logical) const { return scaleY * logical + dy; }
    // From the area back to logical x, with the reciprocal scale.
    double logicalX(double areaX) const
    {
        const double inverse = 1.0 / scaleX;
        return inverse * areaX + -dx * inverse;
    }
};

// Where shortages and counts stand in the logical space: the middle of the
// bar of shortage s at x = 5 + (s - first + 0.5) * barWidth, from the plot's
// left end, and the count c at y = 280 - c * countScale. The window's fixed
// axes put one shortage a unit and one experiment a unit, all shortages
// below -114 together in the leftmost bar; fitted axes span the run's.
struct Axes {
    int first = Tally::kLowestSingleShortage - 1;
    int last = Tally::kLowestSingleShortage - 1 + Tally::kBinCount - 1;
    double barWidth = 1.0;
    double countScale = 1.0;
    bool fitted = false;
    std::vector<int> countTicks;  // fitted: the numbered counts, solid lines
    int countMinorStep = 0;       // fitted: dotted lines between them, unless 0
    std::vector<int> shortageTicks;

    double x(double shortage) const { return kPlotLeft + (shortage - first + 0.5) * barWidth; }
    double y(double count) const { return kBaseLineY - count * countScale; }
    std::size_t index(int shortage) const { return static_cast<std::size_t>(std::max(shortage, first) - first); }
    std::size_t size() const { return static_cast<std::size_t>(last - first + 1); }
};

// The run's counts, and the law's expected ones, bar by bar.
std::vector<double> barCounts(const RunRecord& record, const Axes& axes)
{
    std::vector<double> bars(axes.size());
    if (axes.fitted) {
        for (int shortage = axes.first; shortage <= axes.last; ++shortage) {
            bars[axes.index(shortage)] = record.result.counts.at(shortage);
        }
    } else {
        std::copy(record.result.tally.bins.begin(), record.result.tally.bins.end(), bars.begin());
    }
    return bars;
}

std::vector<double> expectedCounts(const RunRecord& record, const Axes& axes)
{
    std::vector<double> expected(axes.size());
    const ShortageLaw& law = record.law;
    for (int shortage = law.lowest(); shortage <= 1; ++shortage) {
        expected[axes.index(shortage)] += record.result.settings.experimentCount * law.probability(shortage);
    }
    return expected;
}

// The class's meetings bar by bar, scaled to as many as the run's
// experiments, so that both stand on one axis of counts.
std::vector<double> classCounts(const RunRecord& record, const std::vector<int>& shortages, const Axes& axes)
{
    std::vector<double> counts(axes.size());
    const double scale = static_cast<double>(record.result.settings.experimentCount) / static_cast<double>(shortages.size());
    for (const int shortage : shortages) {
        counts[axes.index(shortage)] += scale;
    }
    return counts;
}

bool hasClass(const HistogramOptions& options) { return options.classShortages != nullptr && !options.classShortages->empty(); }

// The smallest step of 1, 2 or 5 times a power of ten that counts up to
// `highest` in at most five steps.
int countStep(double highest)
{
    for (int power = 1;; power *= 10) {
        for (const int step : {power, 2 * power, 5 * power}) {
            if (std::ceil(highest / step) <= 5) {
                return step;
            }
        }
    }
}

Axes fittedAxes(const RunRecord& record, const HistogramOptions& options, const Rect& plot, const TextSetter& setter)
{
    Axes axes;
    axes.fitted = true;
    axes.last = ShortageCounts::kHighestShortage;
    axes.first = record.result.counts.lowestCounted();
    if (options.exactLaw) {
        axes.first = std::min(axes.first, -coinsToHaveReady(record.law, 99));
    }
    if (hasClass(options)) {
        axes.first = std::min(axes.first, *std::min_element(options.classShortages->begin(), options.classShortages->end()));
    }
    axes.barWidth = (kPlotRight - kPlotLeft) / (axes.last - axes.first + 1);
    double highest = 1.0;
    for (const double count : barCounts(record, axes)) {
        highest = std::max(highest, count);
    }
    if (options.exactLaw) {
        for (const double count : expectedCounts(record, axes)) {
            highest = std::max(highest, count);
        }
    }
    if (hasClass(options)) {
        for (const double count : classCounts(record, *options.classShortages, axes)) {
            highest = std::max(highest, count);
        }
    }
    const int step = countStep(highest);
    const int top = static_cast<int>(std::ceil(highest / step)) * step;
    axes.countScale = (kBaseLineY - kFullShareY) / top;
    for (int count = step; count <= top; count += step) {
        axes.countTicks.push_back(count);
    }
    axes.countMinorStep = step % 5 == 0 && step >= 5 ? step / 5 : (step % 2 == 0 ? step / 2 : 0);
    const double widest = setter.digitWidth * static_cast<double>(std::to_string(axes.first).size());
    const int most = static_cast<int>(plot.width / (2.5 * std::max(widest, 1.0)));
    axes.shortageTicks = roundTicks({axes.first, axes.last}, most);
    return axes;
}

// The ticks of both axes, the vertical axis, the dotted grid and the solid
// grid, in the order they are drawn: in the fixed axes, a tick every 10
// experiments and every 10 shortages, dots every 10 experiments and solid
// lines every 50.
std::vector<Point> frameSegments(const ToArea& toArea, const Axes& axes)
{
    std::vector<Point> frame;
    const auto line = [&](double x1, double y1, double x2, double y2) {
        frame.push_back(toArea({x1, y1}));
        frame.push_back(toArea({x2, y2}));
    };
    std::vector<double> marks;
    std::vector<double> dots;
    std::vector<double> solid;
    if (axes.fitted) {
        for (const int tick : axes.shortageTicks) {
            line(axes.x(tick), 278, axes.x(tick), 285);
        }
        const int top = axes.countTicks.back();
        const int minor = axes.countMinorStep > 0 ? axes.countMinorStep : top;
        for (int count = 0; count <= top; count += minor) {
            marks.push_back(axes.y(count));
            if (count > 0 && axes.countMinorStep > 0) {
                dots.push_back(axes.y(count));
            }
        }
        for (const int tick : axes.countTicks) {
            solid.push_back(axes.y(tick));
        }
    } else {
        for (int x = 10; x <= 120; x += 10) {
            line(x, 278, x, 285);
        }
        for (int y = 280; y >= 20; y -= 10) {
            marks.push_back(y);
        }
        for (int y = 270; y >= 30; y -= 10) {
            dots.push_back(y);
        }
        for (int y = 230; y >= 30; y -= 50) {
            solid.push_back(y);
        }
    }
    line(3, kBaseLineY, 3, 10);
    for (const double y : marks) {
        line(2, y, 4, y);
    }
    for (const double y : dots) {
        for (int x = 11; x <= 127; x += 2) {
            line(x, y, x + 1, y);
        }
    }
    for (const double y : solid) {
        line(11, y, 127, y);
    }
    return frame;
}

// A label to place once every line is drawn, at the first of its corners
// that is clear.
struct Label {
    std::string words;
    std::vector<Point> corners;
    Colour colour;
};

void crisp(Drawing& drawing, Shape::Kind kind, std::vector<Point> points, Colour colour, bool dashed = false)
{
    Shape& shape = drawing.add(kind, std::move(points), colour);
    shape.crisp = true;
    shape.dashed = dashed;
}

// Texts keep the font's own size: only their places follow the logical
// space. A caption that would run past the right edge ends at it instead;
// each axis number stands centred under its tick, one text line below the
// base line, and each count's 3 units above its line.
void drawAxisTexts(Drawing& drawing, const ToArea& toArea, const Axes& axes, const TextSetter& setter)
{
    const Rect& area = drawing.area;
    const auto caption = [&](const std::string& words, Point corner) {
        Point topLeft = toArea(corner);
        topLeft.x = std::max(area.left, std::min(topLeft.x, area.right() - setter.width(words)));
        drawing.textAt(setter, words, topLeft);
    };
    caption(setter.text(say(phrase("coinwell::graph::GraphView", "（Vertical axis : Number of experiments）"))),
            kCaptionCorners[0]);
    caption(setter.text(say(phrase("coinwell::graph::GraphView", "（Horizontal axis : Shortage）"))),
            kCaptionCorners[1]);
    const double rowTop = toArea.y(kBaseLineY) + setter.lineHeight;
    const auto underTick = [&](int number, double logicalX) {
        const std::string words = std::to_string(number);
        drawing.textAt(setter, words, {toArea.x(logicalX) - setter.width(words) / 2, rowTop});
    };
    if (axes.fitted) {
        for (const int count : axes.countTicks) {
            caption(std::to_string(count), {5, axes.y(count) - 3});
        }
        for (const int shortage : axes.shortageTicks) {
            underTick(shortage, axes.x(shortage));
        }
        return;
    }
    for (const int count : kVerticalNumbers) {
        caption(std::to_string(count), {5, kBaseLineY - count - 3});
    }
    for (int tick = 0; tick < kHorizontalNumberCount; ++tick) {
        underTick(kFirstLabelledShortage + tick * 10, 10.0 + tick * 10);
    }
}

// The exact law over the bars: a round-capped line through the expected
// counts, a filled triangle hanging under the axis at the mean, and the
// mean's value just above whatever is drawn under it, bars or line; where
// that is taken, between the axis and the shortage numbers beside the mark.
void drawExactLaw(Drawing& drawing, const ToArea& toArea, const Axes& axes, const RunRecord& record,
                  const TextSetter& setter, std::vector<Label>& labels)
{
    const std::vector<double> expected = expectedCounts(record, axes);
    const std::vector<double> bars = barCounts(record, axes);
    // The line starts where the law expects a hundredth of an experiment:
    // further left it would only cover the axis.
    std::size_t lineStart = axes.index(record.law.lowest());
    while (lineStart + 1 < expected.size() && expected[lineStart] < 0.01) {
        ++lineStart;
    }
    std::vector<Point> line;
    for (std::size_t bar = lineStart; bar < axes.index(1) + 1; ++bar) {
        line.push_back(toArea({axes.x(axes.first + static_cast<int>(bar)), axes.y(expected[bar])}));
    }
    drawing.add(Shape::Kind::Path, std::move(line), kExactColour, std::max(1.5, setter.lineHeight / 8)).round = true;

    const ShortageLaw& law = record.law;
    const Point tip = toArea({axes.x(law.mean()), kBaseLineY});
    const double half = setter.lineHeight / 3;
    drawing.add(Shape::Kind::Polygon, {tip, {tip.x + -half, tip.y + 2 * half}, {tip.x + half, tip.y + 2 * half}},
                kExactColour);
    // The run's average with its 95 % interval, through the triangle: the
    // exact mean lies inside where the bar crosses its tip.
    if (const std::optional<AveragePrecision> precision = averagePrecision(record.result.counts, law)) {
        const double y = tip.y + half;
        const double low = toArea.x(axes.x(precision->low));
        const double high = toArea.x(axes.x(precision->high));
        const double width = std::max(1.5, setter.lineHeight / 8);
        drawing.add(Shape::Kind::Segments,
                    {{low, y}, {high, y}, {low, y - half / 2}, {low, y + half / 2}, {high, y - half / 2}, {high, y + half / 2}},
                    kIntervalColour, width);
        drawing.add(Shape::Kind::Dot, {{toArea.x(axes.x(precision->average)), y}}, kIntervalColour, 1.5 * width);
    }

    std::string words = setter.text(say(phrase("coinwell::graph", "exact mean %1"), {verbatim(fixedDecimals(law.mean(), 2))}));
    const double width = setter.width(words);
    const double plotLeft = toArea.x(kPlotLeft);
    const double plotRight = toArea.x(kPlotRight);
    const double left = std::clamp(tip.x - width / 2, plotLeft, std::max(plotLeft, plotRight - width));
    double highest = 0.0;
    for (std::size_t bar = 0; bar < bars.size(); ++bar) {
        const double middle = toArea.x(axes.x(axes.first + static_cast<int>(bar)));
        const double halfBar = toArea.scaleX * axes.barWidth / 2;
        if (middle + halfBar > left && middle - halfBar < left + width) {
            highest = std::max({highest, bars[bar], expected[bar]});
        }
    }
    const double gap = setter.lineHeight / 4;
    const double top = toArea.y(axes.y(highest)) - gap - setter.lineHeight;
    std::vector<Point> corners;
    for (int row = 0; row < 3; ++row) {
        if (top - row * setter.lineHeight >= toArea.y(kCaptionTop) + setter.lineHeight) {
            corners.push_back({left, top - row * setter.lineHeight});
        }
    }
    corners.push_back({std::min(tip.x + half + gap, plotRight - width), tip.y});
    corners.push_back({std::max(plotLeft, tip.x - half - gap - width), tip.y});
    labels.push_back({std::move(words), std::move(corners), kExactColour});
}

// A line at the shortage -coins from the base line up to the plot's top,
// the exact coins' dashed, with the words under the captions beside it,
// the run's a row above the exact coins': right of the line, else left of
// it, in the first row down where they are clear.
void drawCoinsReady(Drawing& drawing, const ToArea& toArea, const Axes& axes, const RunRecord& record,
                    const HistogramOptions& options, const TextSetter& setter, std::vector<Label>& labels)
{
    const int percent = options.readyPercent;
    const double gap = setter.lineHeight / 4;
    struct Mark {
        std::string words;
        double x;
        int row;
    };
    const auto mark = [&](int coins, const Message& message, int row) {
        const double logicalX = axes.x(std::max(-coins, axes.first));
        crisp(drawing, Shape::Kind::Segments, {toArea({logicalX, kBaseLineY}), toArea({logicalX, kPlotTop})},
              kReadyColour, row > 0);
        return Mark{setter.text(message), toArea.x(logicalX), row};
    };
    // Both lines go under both texts.
    const int coins = coinsToHaveReady(record.result.counts, percent);
    std::vector<Mark> marks{
        mark(coins, sayCount(plural("coinwell::graph", "%n coin(s): enough in %1% of meetings"), coins, {number(percent)}), 0)};
    if (options.exactLaw) {
        const int exact = coinsToHaveReady(record.law, percent);
        marks.push_back(mark(exact, sayCount(plural("coinwell::graph", "exact: %n coin(s)"), exact), 1));
    }
    for (auto& [words, x, row] : marks) {
        const double width = setter.width(words);
        std::vector<Point> corners;
        for (int down = row; down < row + 8; ++down) {
            const double top = toArea.y(kCaptionTop) + (1 + down) * setter.lineHeight + gap;
            corners.push_back({x + gap, top});
            corners.push_back({x - gap - width, top});
        }
        labels.push_back({std::move(words), std::move(corners), kReadyColour});
    }
}

// The share of meetings that k coins cover, where the shortage -k stands,
// on a scale of its own at the right from 0 at the base line to 100 % at
// the grid's top line: the run's in steps, one per shortage's bar, the
// exact law's, with it, dashed through the bars' middles, and a line at
// the chosen share from the scale to where the run's coins stand.
void drawCoverageCurve(Drawing& drawing, const ToArea& toArea, const Axes& axes, const RunRecord& record,
                       const HistogramOptions& options, const TextSetter& setter, std::vector<Label>& labels)
{
    const auto shareY = [](double share) { return kBaseLineY - share * (kBaseLineY - kFullShareY); };
    const double width = std::max(1.5, setter.lineHeight / 8);
    const ShortageCounts& counts = record.result.counts;
    const int mostCoins = axes.fitted ? -axes.first : kMostCoins;
    std::vector<Point> steps;
    for (int coins = 0; coins <= std::min(mostCoins, -counts.lowest()); ++coins) {
        const double y = shareY(shareCovered(counts, coins));
        const double right = axes.x(-coins) + axes.barWidth / 2;
        steps.push_back(toArea({right, y}));
        steps.push_back(toArea({right - axes.barWidth, y}));
    }
    drawing.path(std::move(steps), kCoverageColour, width);
    if (options.exactLaw) {
        std::vector<Point> exact;
        for (int coins = 0; coins <= std::min(mostCoins, record.law.guests()); ++coins) {
            exact.push_back(toArea({axes.x(-coins), shareY(shareCovered(record.law, coins))}));
        }
        drawing.path(std::move(exact), kExactColour, width, true);
    }
    const double scaleX = toArea.x(kScaleX);
    const double shareAt = shareY(options.sharePercent / 100.0);
    const int coins = coinsToHaveReady(counts, options.sharePercent);
    drawing.path({{scaleX, toArea.y(shareAt)}, toArea({axes.x(std::max(-coins, axes.first)), shareAt})}, kCoverageColour,
                 width / 2, true);

    const double gap = setter.lineHeight / 4;
    crisp(drawing, Shape::Kind::Segments, {{scaleX, toArea.y(kBaseLineY)}, {scaleX, toArea.y(kFullShareY)}}, kFrameColour);
    for (const int percent : {0, 25, 50, 75, 100}) {
        const double y = toArea.y(shareY(percent / 100.0));
        drawing.path({{scaleX, y}, {scaleX + gap, y}}, kFrameColour);
        drawing.textAt(setter, std::to_string(percent) + "%", {scaleX + 2 * gap, y - setter.lineHeight / 2}, kCoverageColour);
    }
    std::string words = setter.text(say(phrase("coinwell::graph", "share of meetings")));
    const double wordsWidth = setter.width(words);
    // Over the scale's top, else left of it, above or below its 100 %.
    const double above = toArea.y(kFullShareY) - setter.lineHeight - gap;
    const double below = toArea.y(kFullShareY) + gap;
    std::vector<Point> corners{{drawing.area.right() - wordsWidth, above}, {scaleX - gap - wordsWidth, above},
                               {scaleX - gap - wordsWidth, below}};
    labels.push_back({std::move(words), std::move(corners), kCoverageColour});
}

// The class's meetings over the bars: a narrow bar in the middle of each
// shortage's, as high as they would be in as many meetings as the run's,
// and their number, average and test against the law in words.
void drawClassMeetings(Drawing& drawing, const ToArea& toArea, const Axes& axes, const RunRecord& record,
                       const std::vector<int>& shortages, const TextSetter& setter, std::vector<Label>& labels)
{
    const std::vector<double> counts = classCounts(record, shortages, axes);
    for (std::size_t bar = 0; bar < counts.size(); ++bar) {
        if (counts[bar] > 0) {
            const double height = std::min(counts[bar] * axes.countScale, kBaseLineY - kPlotTop);
            const double left = axes.x(axes.first + static_cast<int>(bar)) - axes.barWidth / 6;
            crisp(drawing, Shape::Kind::Box,
                  {toArea({left, kBaseLineY - height}), {toArea.scaleX * axes.barWidth / 3, toArea.scaleY * height}},
                  kClassColour);
        }
    }
    const ClassSummary summary = classSummary(shortages, record.law);
    const double gap = setter.lineHeight / 4;
    const Point corner{toArea.x(kPlotLeft) + 2 * gap, toArea.y(kCaptionTop) + 2 * setter.lineHeight + gap};
    labels.push_back({setter.text(say(phrase("coinwell::graph", "class: %1 meetings, average %2"),
                                      {number(summary.meetings), verbatim(fixedDecimals(summary.average, 2))})),
                      {corner}, kClassColour});
    labels.push_back({setter.text(summary.test ? say(phrase("coinwell::graph", "against the law: p = %1"),
                                                     {verbatim(fixedDecimals(summary.test->pValue, 3))})
                                               : say(phrase("coinwell::graph", "too few meetings for a test"))),
                      {{corner.x, corner.y + setter.lineHeight}}, kClassColour});
}

// The room at the right for the coverage scale's numbers.
double scaleMargin(const TextSetter& setter) { return setter.width("100%") + setter.lineHeight; }

}  // namespace

Drawing histogram(const Rect& area, const RunRecord* record, const HistogramOptions& options, const TextSetter& setter)
{
    Drawing drawing{area, {}};
    if (!(area.width > 0 && area.height > 0)) {
        return drawing;
    }
    const bool scale = record != nullptr && options.coverageCurve;
    const double margin = scale ? std::min(scaleMargin(setter), area.width / 2) : 0.0;
    const ToArea toArea{(area.width - margin) / kLogicalWidth, area.height / kLogicalHeight, area.left, area.top};
    const Rect plot{toArea.x(kPlotLeft), toArea.y(kPlotTop), toArea.scaleX * (kPlotRight - kPlotLeft), 0};
    const Axes axes = record != nullptr && options.fitAxes ? fittedAxes(*record, options, plot, setter) : Axes{};
    crisp(drawing, Shape::Kind::Segments, frameSegments(toArea, axes), kFrameColour);
    // Bars cover the grid and the ticks where they reach them, but the axis
    // they stand on stays visible over them.
    if (record != nullptr) {
        const std::vector<double> bars = barCounts(*record, axes);
        for (std::size_t bar = 0; bar < bars.size(); ++bar) {
            if (bars[bar] > 0) {
                const double left = axes.x(axes.first + static_cast<int>(bar)) - axes.barWidth / 2;
                crisp(drawing, Shape::Kind::Box,
                      {toArea({left, axes.y(bars[bar])}),
                       {toArea.scaleX * axes.barWidth, toArea.scaleY * bars[bar] * axes.countScale}},
                      kBarColour);
            }
        }
    }
    crisp(drawing, Shape::Kind::Segments, {toArea({3, kBaseLineY}), toArea({127, kBaseLineY})}, kFrameColour);
    drawAxisTexts(drawing, toArea, axes, setter);
    if (record == nullptr) {
        return drawing;
    }
    // Every line first, for the labels to find places clear of them.
    std::vector<Label> labels;
    if (hasClass(options)) {
        drawClassMeetings(drawing, toArea, axes, *record, *options.classShortages, setter, labels);
    }
    if (options.exactLaw) {
        drawExactLaw(drawing, toArea, axes, *record, setter, labels);
    }
    if (options.readyPercent > 0) {
        drawCoinsReady(drawing, toArea, axes, *record, options, setter, labels);
    }
    if (options.coverageCurve) {
        drawCoverageCurve(drawing, toArea, axes, *record, options, setter, labels);
    }
    if (options.precisionTable) {
        const double gap = setter.lineHeight / 4;
        const double top = toArea.y(kCaptionTop) + setter.lineHeight + gap;
        drawPrecisionTable(drawing, *record, options.sharePercent, setter,
                           {toArea.x(kPlotLeft) + 2 * gap, top, toArea.x(kPlotRight) - toArea.x(kPlotLeft) - 2 * gap, 0});
    }
    for (Label& label : labels) {
        drawing.label(setter, std::move(label.words), label.corners, label.colour);
    }
    return drawing;
}

Message histogramDescription(const RunRecord& record, const HistogramOptions& options)
{
    const auto& bins = record.result.tally.bins;
    const auto mostFrequent = std::max_element(bins.begin(), bins.end());
    const int bin = static_cast<int>(mostFrequent - bins.begin());
    const Message shortage = bin == 0 ? say(phrase("coinwell::MainWindow", "below %1"), {number(Tally::kLowestSingleShortage)})
                                      : number(Tally::shortageOfBin(bin));
    std::vector<Message> parts{say(
        phrase("coinwell::MainWindow", "%1 experiments. Average shortage %2. Most frequent shortage %3, in %4 experiments. Exact mean %5."),
        {number(record.result.settings.experimentCount), verbatim(formatOneDecimal(record.result.averageShortage())),
         shortage, number(*mostFrequent), verbatim(fixedDecimals(record.law.mean(), 2))})};
    if (record.result.settings.coinPercent != kFairPercent) {
        parts.push_back(say(phrase("coinwell::MainWindow", "%1% of guests pay with a coin."),
                            {number(record.result.settings.coinPercent)}));
    }
    if (const int percent = options.readyPercent; percent > 0) {
        parts.push_back(sayCount(plural("coinwell::MainWindow", "%n coin(s) are enough in %1% of meetings."),
                                 coinsToHaveReady(record.result.counts, percent), {number(percent)}));
    }
    if (options.coverageCurve) {
        parts.push_back(
            say(phrase("coinwell::graph", "The coverage curve shows the share of meetings that each number of coins covers.")));
    }
    if (const std::optional<AveragePrecision> precision = averagePrecision(record.result.counts, record.law)) {
        parts.push_back(say(precision->exactMeanInside
                                ? phrase("coinwell::graph", "95% interval for the mean: %1 to %2, the exact mean inside.")
                                : phrase("coinwell::graph", "95% interval for the mean: %1 to %2, the exact mean outside."),
                            {verbatim(fixedDecimals(precision->low, 2)), verbatim(fixedDecimals(precision->high, 2))}));
    }
    if (hasClass(options)) {
        const std::vector<Message> lines = classMeetingsLines(*options.classShortages, record.law);
        for (const Message& line : lines) {
            parts.push_back(say(phrase("coinwell::graph", "%1."), {line}));
        }
    }
    if (options.precisionTable) {
        // All but the heading and the interval, said above.
        const std::vector<std::vector<Message>> rows = precisionCells(record, options.sharePercent);
        for (std::size_t row = 1; row < rows.size(); ++row) {
            if (row == kIntervalRow) {
                continue;
            }
            parts.push_back(rows[row][2].source.empty()
                                ? say(phrase("coinwell::graph", "%1: %2."), {rows[row][0], rows[row][1]})
                                : say(phrase("coinwell::graph", "%1: %2; exact %3."), {rows[row][0], rows[row][1], rows[row][2]}));
        }
    }
    return sentences(std::move(parts));
}

}  // namespace coinwell::core
