#include "core/graph_geometry.h"

#include "core/coins_ready.h"

#include <algorithm>
#include <cstddef>

namespace coinwell::core {
namespace {

// The ticks of both axes, the vertical axis, the dotted grid every 10
// experiments and the solid grid every 50, in the order they are drawn.
std::vector<Line> frameLines()
{
    std::vector<Line> frame;
    const auto line = [&](double x1, double y1, double x2, double y2) { frame.push_back({{x1, y1}, {x2, y2}}); };
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

// The captions' top left corners, and those of the vertical axis's numbers,
// each 3 units above the solid row it names.
constexpr Point kCaptionCorners[] = {{5, 7}, {93, 7}};
constexpr Point kVerticalNumberCorners[] = {{5, 27}, {5, 77}, {5, 127}, {5, 177}, {5, 227}};

// The shortages under the ticks of the horizontal axis, from x = 10 to 120.
constexpr int kFirstLabelledShortage = -110;
constexpr int kLabelStep = 10;
constexpr int kHorizontalNumberCount = 12;

// The shortage s stands under the middle of its bar, at x = 120.5 + s.
constexpr double kShortageZeroX = 120.5;
constexpr double kCaptionTop = 7.0;
constexpr double kPlotLeft = 5.0;
constexpr double kPlotRight = 125.0;
constexpr double kPlotTop = 20.0;  // the vertical axis's highest tick

AreaTransform toAreaOf(const Rect& area)
{
    return {area.width / kLogicalWidth, area.height / kLogicalHeight, area.left, area.top};
}

// From the area back to logical x, with the reciprocal scale.
double logicalX(const AreaTransform& toArea, double x)
{
    const double inverse = 1.0 / toArea.scaleX;
    return inverse * x + -toArea.dx * inverse;
}

PlacedText placed(const MeasuredText& text, Point topLeft, const GraphTexts& texts)
{
    return {text.text, topLeft, topLeft.y + texts.ascent};
}

// Texts keep the font's own size: only their places follow the logical
// space, which is stretched unevenly.
std::vector<PlacedText> placeTexts(const Rect& area, const AreaTransform& toArea, const GraphTexts& texts)
{
    std::vector<PlacedText> placedTexts;
    const auto number = [&](std::size_t n) {
        return n < texts.numbers.size() ? texts.numbers[n] : MeasuredText{};
    };
    // A caption that would run past the right edge ends at it instead.
    const auto placeCaption = [&](const MeasuredText& text, Point corner) {
        Point topLeft = toArea.map(corner);
        topLeft.x = std::max(area.left, std::min(topLeft.x, area.left + area.width - text.width));
        placedTexts.push_back(placed(text, topLeft, texts));
    };
    placeCaption(texts.verticalCaption, kCaptionCorners[0]);
    placeCaption(texts.horizontalCaption, kCaptionCorners[1]);
    for (std::size_t n = 0; n < std::size(kVerticalNumberCorners); ++n) {
        placeCaption(number(n), kVerticalNumberCorners[n]);
    }
    // The number row stands one text line below the base line, each number
    // centred under its own tick.
    const double rowTop = toArea.map({0, kBaseLineY}).y + texts.lineHeight;
    for (int tick = 0; tick < kHorizontalNumberCount; ++tick) {
        const MeasuredText text = number(std::size(kVerticalNumberCorners) + static_cast<std::size_t>(tick));
        const double tickX = toArea.map({10.0 + tick * kLabelStep, 0}).x;
        placedTexts.push_back(placed(text, {tickX - text.width / 2, rowTop}, texts));
    }
    return placedTexts;
}

OverlayScene placeOverlay(const AreaTransform& toArea, const core::Tally& tally, const GraphTexts& texts,
                          const ExactOverlay& overlay)
{
    const auto expected = [&](int bin) { return overlay.expectedCounts[static_cast<std::size_t>(bin)]; };
    OverlayScene scene;
    // The line starts where the law expects a hundredth of an experiment:
    // further left it would only cover the axis.
    int lineStart = overlay.firstBin;
    while (lineStart < overlay.lastBin && expected(lineStart) < 0.01) {
        ++lineStart;
    }
    for (int bin = lineStart; bin <= overlay.lastBin; ++bin) {
        scene.line.push_back(toArea.map({5.5 + bin, kBaseLineY - expected(bin)}));
    }
    scene.lineWidth = std::max(1.5, texts.lineHeight / 8);

    // The mark hangs under the axis, its tip on the mean.
    const Point tip = toArea.map({kShortageZeroX + overlay.mean, kBaseLineY});
    const double half = texts.lineHeight / 3;
    scene.mark = {tip, {tip.x + -half, tip.y + 2 * half}, {tip.x + half, tip.y + 2 * half}};

    // The value goes just above whatever is drawn under it, bars or line;
    // where that leaves no room below the captions, between the axis and
    // the shortage numbers beside the mark.
    const double width = texts.exactMean.width;
    const double plotLeft = toArea.map({kPlotLeft, 0}).x;
    const double plotRight = toArea.map({kPlotRight, 0}).x;
    const double left = std::clamp(tip.x - width / 2, plotLeft, std::max(plotLeft, plotRight - width));
    const int firstBin = std::max(0, static_cast<int>(logicalX(toArea, left)) - 6);
    const int lastBin =
        std::min(core::Tally::kBinCount - 1, static_cast<int>(logicalX(toArea, left + width)) - 5);
    double highest = 0.0;
    for (int bin = firstBin; bin <= lastBin; ++bin) {
        highest = std::max({highest, static_cast<double>(tally.bins[static_cast<std::size_t>(bin)]), expected(bin)});
    }
    const double gap = texts.lineHeight / 4;
    const double top = toArea.map({0, kBaseLineY - highest}).y - gap - texts.lineHeight;
    Point topLeft{left, top};
    if (top < toArea.map({0, kCaptionTop}).y + texts.lineHeight) {
        topLeft = {std::min(tip.x + half + gap, plotRight - width), tip.y};
    }
    scene.label = placed(texts.exactMean, topLeft, texts);
    return scene;
}

// Coins beyond the lowest single shortage stand over the bin of all of them.
Line readyLine(int coins)
{
    const double x = kShortageZeroX + std::max(-coins, core::Tally::kLowestSingleShortage - 1);
    return {{x, kBaseLineY}, {x, kPlotTop}};
}

ReadyScene placeReady(const AreaTransform& toArea, const GraphTexts& texts, const ReadyMarker& ready)
{
    const double plotLeft = toArea.map({kPlotLeft, 0}).x;
    const double plotRight = toArea.map({kPlotRight, 0}).x;
    const double gap = texts.lineHeight / 4;
    // Right of the line where the words fit before the plot's end, else
    // left of it, and never past the plot's left end.
    const auto beside = [&](const Line& line, const MeasuredText& text, int row) {
        const double x = toArea.map(line.from).x;
        double left = x + gap;
        if (left + text.width > plotRight) {
            left = std::max(plotLeft, x - gap - text.width);
        }
        const double top = toArea.map({0, kCaptionTop}).y + (1 + row) * texts.lineHeight + gap;
        return placed(text, {left, top}, texts);
    };
    ReadyScene scene;
    scene.line = readyLine(ready.coins);
    scene.label = beside(scene.line, texts.ready, 0);
    if (ready.exactCoins) {
        scene.exactLine = readyLine(*ready.exactCoins);
        scene.exactLabel = beside(*scene.exactLine, texts.exactReady, 1);
    }
    return scene;
}

}  // namespace

ReadyMarker readyMarker(const core::ShortageCounts& counts, int percent, const core::ShortageLaw* law)
{
    ReadyMarker marker{percent, coinsToHaveReady(counts, percent), std::nullopt};
    if (law != nullptr) {
        marker.exactCoins = coinsToHaveReady(*law, percent);
    }
    return marker;
}

ExactOverlay exactOverlay(const core::ShortageLaw& law, int experiments)
{
    ExactOverlay overlay;
    for (int shortage = law.lowest(); shortage <= 1; ++shortage) {
        overlay.expectedCounts[static_cast<std::size_t>(core::Tally::binOf(shortage))] +=
            experiments * law.probability(shortage);
    }
    overlay.firstBin = core::Tally::binOf(law.lowest());
    overlay.lastBin = core::Tally::binOf(1);
    overlay.mean = law.mean();
    return overlay;
}

std::vector<MeasuredText> axisNumbers()
{
    std::vector<MeasuredText> numbers;
    for (int count = 250; count >= 50; count -= 50) {
        numbers.push_back({std::to_string(count)});
    }
    for (int tick = 0; tick < kHorizontalNumberCount; ++tick) {
        numbers.push_back({std::to_string(kFirstLabelledShortage + tick * kLabelStep)});
    }
    return numbers;
}

GraphScene graphScene(const Rect& area, const core::Tally& tally, const GraphTexts& texts,
                      const std::optional<ExactOverlay>& overlay, const std::optional<ReadyMarker>& ready)
{
    GraphScene scene;
    scene.toArea = toAreaOf(area);
    if (!(area.width > 0 && area.height > 0)) {
        return scene;
    }
    scene.frame = frameLines();
    // Bars cover the grid and the ticks where they reach them, but the axis
    // they stand on stays visible over them.
    for (int bin = 0; bin < core::Tally::kBinCount; ++bin) {
        const int count = tally.bins[static_cast<std::size_t>(bin)];
        scene.bars.push_back({5.0 + bin, kBaseLineY - count, 1.0, static_cast<double>(count)});
    }
    scene.horizontalAxis = {{3.0, kBaseLineY}, {127.0, kBaseLineY}};
    scene.texts = placeTexts(area, scene.toArea, texts);
    if (overlay) {
        scene.overlay = placeOverlay(scene.toArea, tally, texts, *overlay);
    }
    if (ready) {
        scene.ready = placeReady(scene.toArea, texts, *ready);
    }
    return scene;
}

}  // namespace coinwell::core
