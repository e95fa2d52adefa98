#include "core/histogram.h"

#include "core/coins_ready.h"
#include "core/one_decimal.h"

#include <algorithm>
#include <array>
#include <utility>

namespace coinwell::core {
namespace {

constexpr double kLogicalWidth = 130.0;
constexpr double kLogicalHeight = 300.0;
constexpr double kBaseLineY = 280.0;
// The shortage s stands under the middle of its bar, at x = 120.5 + s.
constexpr double kShortageZeroX = 120.5;
constexpr double kCaptionTop = 7.0;
constexpr double kPlotLeft = 5.0;
constexpr double kPlotRight = 125.0;
constexpr double kPlotTop = 20.0;  // the vertical axis's highest tick
// The grid's top solid line, at 250 experiments, stands for 100 % of meetings.
constexpr double kFullShareY = kBaseLineY - 250.0;
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

// The ticks of both axes, the vertical axis, the dotted grid every 10
// experiments and the solid grid every 50, in the order they are drawn.
std::vector<Point> frameSegments(const ToArea& toArea)
{
    std::vector<Point> frame;
    const auto line = [&](double x1, double y1, double x2, double y2) {
        frame.push_back(toArea({x1, y1}));
        frame.push_back(toArea({x2, y2}));
    };
    for (int x = 10; x <= 120; x += 10) {
        line(x, 278, x, 285);
    }
    line(3, kBaseLineY, 3, 10);
    for (int y = 280; y >= 20; y -= 10) {
        line(2, y, 4, y);
    }
    for (int y = 270; y >= 30; y -= 10) {
        for (int x = 11; x <= 127; x += 2) {
            line(x, y, x + 1, y);
        }
    }
    for (int y = 230; y >= 30; y -= 50) {
        line(11, y, 127, y);
    }
    return frame;
}

void crisp(Drawing& drawing, Shape::Kind kind, std::vector<Point> points, Colour colour, bool dashed = false)
{
    Shape& shape = drawing.add(kind, std::move(points), colour);
    shape.crisp = true;
    shape.dashed = dashed;
}

// Texts keep the font's own size: only their places follow the logical
// space. A caption that would run past the right edge ends at it instead;
// each axis number stands centred under its tick, one text line below the
// base line.
void drawAxisTexts(Drawing& drawing, const ToArea& toArea, const TextSetter& setter)
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
    for (const int count : kVerticalNumbers) {
        caption(std::to_string(count), {5, kBaseLineY - count - 3});
    }
    const double rowTop = toArea.y(kBaseLineY) + setter.lineHeight;
    for (int tick = 0; tick < kHorizontalNumberCount; ++tick) {
        const std::string number = std::to_string(kFirstLabelledShortage + tick * 10);
        drawing.textAt(setter, number, {toArea.x(10.0 + tick * 10) - setter.width(number) / 2, rowTop});
    }
}

// The exact law over the bars: a round-capped line through the expected
// counts, a filled triangle hanging under the axis at the mean, and the
// mean's value just above whatever is drawn under it, bars or line; where
// that leaves no room below the captions, between the axis and the
// shortage numbers beside the mark.
void drawExactLaw(Drawing& drawing, const ToArea& toArea, const RunRecord& record, const TextSetter& setter)
{
    std::array<double, Tally::kBinCount> expected{};
    const ShortageLaw& law = record.law;
    for (int shortage = law.lowest(); shortage <= 1; ++shortage) {
        expected[static_cast<std::size_t>(Tally::binOf(shortage))] +=
            record.result.settings.experimentCount * law.probability(shortage);
    }
    const auto at = [&](int bin) { return expected[static_cast<std::size_t>(bin)]; };
    // The line starts where the law expects a hundredth of an experiment:
    // further left it would only cover the axis.
    int lineStart = Tally::binOf(law.lowest());
    const int lastBin = Tally::binOf(1);
    while (lineStart < lastBin && at(lineStart) < 0.01) {
        ++lineStart;
    }
    std::vector<Point> line;
    for (int bin = lineStart; bin <= lastBin; ++bin) {
        line.push_back(toArea({5.5 + bin, kBaseLineY - at(bin)}));
    }
    drawing.add(Shape::Kind::Path, std::move(line), kExactColour, std::max(1.5, setter.lineHeight / 8)).round = true;

    const Point tip = toArea({kShortageZeroX + law.mean(), kBaseLineY});
    const double half = setter.lineHeight / 3;
    drawing.add(Shape::Kind::Polygon, {tip, {tip.x + -half, tip.y + 2 * half}, {tip.x + half, tip.y + 2 * half}},
                kExactColour);

    const std::string words = setter.text(say(phrase("coinwell::graph", "exact mean %1"), {verbatim(fixedDecimals(law.mean(), 2))}));
    const double width = setter.width(words);
    const double plotLeft = toArea.x(kPlotLeft);
    const double plotRight = toArea.x(kPlotRight);
    const double left = std::clamp(tip.x - width / 2, plotLeft, std::max(plotLeft, plotRight - width));
    const int firstBin = std::max(0, static_cast<int>(toArea.logicalX(left)) - 6);
    const int lastCovered = std::min(Tally::kBinCount - 1, static_cast<int>(toArea.logicalX(left + width)) - 5);
    double highest = 0.0;
    for (int bin = firstBin; bin <= lastCovered; ++bin) {
        highest = std::max({highest, static_cast<double>(record.result.tally.bins[static_cast<std::size_t>(bin)]), at(bin)});
    }
    const double gap = setter.lineHeight / 4;
    const double top = toArea.y(kBaseLineY - highest) - gap - setter.lineHeight;
    Point topLeft{left, top};
    if (top < toArea.y(kCaptionTop) + setter.lineHeight) {
        topLeft = {std::min(tip.x + half + gap, plotRight - width), tip.y};
    }
    drawing.textAt(setter, words, topLeft, kExactColour);
}

// A line at the shortage -coins from the base line up to the plot's top,
// the exact coins' dashed, with the words one row under the captions (the
// exact coins' a row below) beside it: right of the line where they fit
// before the plot's end, else left of it, never past the plot's left end.
// Coins beyond the lowest single shortage stand over the bin of all of them.
void drawCoinsReady(Drawing& drawing, const ToArea& toArea, const RunRecord& record, const HistogramOptions& options,
                    const TextSetter& setter)
{
    const int percent = options.readyPercent;
    const double gap = setter.lineHeight / 4;
    const auto mark = [&](int coins, const Message& message, int row) {
        const double logicalX = kShortageZeroX + std::max(-coins, Tally::kLowestSingleShortage - 1);
        crisp(drawing, Shape::Kind::Segments, {toArea({logicalX, kBaseLineY}), toArea({logicalX, kPlotTop})},
              kReadyColour, row > 0);
        const std::string words = setter.text(message);
        const double width = setter.width(words);
        const double x = toArea.x(logicalX);
        double left = x + gap;
        if (left + width > toArea.x(kPlotRight)) {
            left = std::max(toArea.x(kPlotLeft), x - gap - width);
        }
        return std::pair{words, Point{left, toArea.y(kCaptionTop) + (1 + row) * setter.lineHeight + gap}};
    };
    // Both lines go under both texts.
    const int coins = coinsToHaveReady(record.result.counts, percent);
    std::vector<std::pair<std::string, Point>> texts{
        mark(coins, sayCount(plural("coinwell::graph", "%n coin(s): enough in %1% of meetings"), coins, {number(percent)}), 0)};
    if (options.exactLaw) {
        const int exact = coinsToHaveReady(record.law, percent);
        texts.push_back(mark(exact, sayCount(plural("coinwell::graph", "exact: %n coin(s)"), exact), 1));
    }
    for (auto& [words, topLeft] : texts) {
        drawing.textAt(setter, std::move(words), topLeft, kReadyColour);
    }
}

// The share of meetings that k coins cover, where the shortage -k stands,
// from 0 at the base line to 100 % at the grid's top line: the run's in
// steps, one per shortage's bar, the exact law's, with it, dashed through
// the bars' middles. The scale's words stand at the left under their lines.
void drawCoverageCurve(Drawing& drawing, const ToArea& toArea, const RunRecord& record, bool exactLaw,
                       const TextSetter& setter)
{
    const auto shareY = [](double share) { return kBaseLineY - share * (kBaseLineY - kFullShareY); };
    const double width = std::max(1.5, setter.lineHeight / 8);
    const ShortageCounts& counts = record.result.counts;
    std::vector<Point> steps;
    for (int coins = 0; coins <= std::min(kMostCoins, -counts.lowest()); ++coins) {
        const double y = shareY(shareCovered(counts, coins));
        const double right = kShortageZeroX + 0.5 - coins;
        steps.push_back(toArea({right, y}));
        steps.push_back(toArea({right - 1, y}));
    }
    drawing.path(std::move(steps), kCoverageColour, width);
    if (exactLaw) {
        std::vector<Point> exact;
        for (int coins = 0; coins <= std::min(kMostCoins, record.law.guests()); ++coins) {
            exact.push_back(toArea({kShortageZeroX - coins, shareY(shareCovered(record.law, coins))}));
        }
        drawing.path(std::move(exact), kExactColour, width, true);
    }
    const double gap = setter.lineHeight / 4;
    const auto scaleLabel = [&](const Message& words, double share) {
        const Point at = toArea({11, shareY(share)});
        drawing.text(setter, words, {at.x, at.y + gap / 2}, Align::Left, kCoverageColour);
    };
    scaleLabel(say(phrase("coinwell::graph::GraphMenu", "%1% of meetings"), {number(100)}), 1.0);
    scaleLabel(verbatim("50%"), 0.5);
}

}  // namespace

Drawing histogram(const Rect& area, const RunRecord* record, const HistogramOptions& options, const TextSetter& setter)
{
    Drawing drawing{area, {}};
    if (!(area.width > 0 && area.height > 0)) {
        return drawing;
    }
    const ToArea toArea{area.width / kLogicalWidth, area.height / kLogicalHeight, area.left, area.top};
    crisp(drawing, Shape::Kind::Segments, frameSegments(toArea), kFrameColour);
    // Bars cover the grid and the ticks where they reach them, but the axis
    // they stand on stays visible over them.
    if (record != nullptr) {
        for (int bin = 0; bin < Tally::kBinCount; ++bin) {
            const double count = record->result.tally.bins[static_cast<std::size_t>(bin)];
            if (count > 0) {
                const double top = kBaseLineY - count;
                crisp(drawing, Shape::Kind::Box, {toArea({5.0 + bin, top}), {toArea.scaleX, toArea.scaleY * count}},
                      kBarColour);
            }
        }
    }
    crisp(drawing, Shape::Kind::Segments, {toArea({3, kBaseLineY}), toArea({127, kBaseLineY})}, kFrameColour);
    drawAxisTexts(drawing, toArea, setter);
    if (record == nullptr) {
        return drawing;
    }
    if (options.exactLaw) {
        drawExactLaw(drawing, toArea, *record, setter);
    }
    if (options.readyPercent > 0) {
        drawCoinsReady(drawing, toArea, *record, options, setter);
    }
    if (options.coverageCurve) {
        drawCoverageCurve(drawing, toArea, *record, options.exactLaw, setter);
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
    if (const int percent = options.readyPercent; percent > 0) {
        parts.push_back(sayCount(plural("coinwell::MainWindow", "%n coin(s) are enough in %1% of meetings."),
                                 coinsToHaveReady(record.result.counts, percent), {number(percent)}));
    }
    if (options.coverageCurve) {
        parts.push_back(
            say(phrase("coinwell::graph", "The coverage curve shows the share of meetings that each number of coins covers.")));
    }
    return sentences(std::move(parts));
}

}  // namespace coinwell::core
