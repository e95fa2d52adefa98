#pragma once

#include "core/shortage_counts.h"
#include "core/shortage_law.h"
#include "core/tally.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// What the frequency-distribution graph draws, as plain numbers and texts, for
// any front end to paint: the desktop's QPainter or a browser's canvas. The
// front end translates and measures the texts; the graph places them.
namespace coinwell::core {

// The graph's logical space: x from 0 to 130 across, y from 0 to 300 down.
// A count c stands at y = 280 - c, a shortage s at x = 120 + s, and the bar
// of bin b spans x = 5 + b to 6 + b.
inline constexpr double kLogicalWidth = 130.0;
inline constexpr double kLogicalHeight = 300.0;
inline constexpr double kBaseLineY = 280.0;

struct Point {
    double x = 0.0;
    double y = 0.0;
};

struct Line {
    Point from;
    Point to;
};

struct Rect {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
};

struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;
};

inline constexpr Colour kFrameColour{0, 0, 0};
inline constexpr Colour kBarColour{0, 0, 255};
// The overlay's orange stays apart from the blue bars and the black frame,
// also on a washed-out projector.
inline constexpr Colour kExactColour{230, 90, 0};
// The coins to have ready stand in dark green, apart from all three.
inline constexpr Colour kReadyColour{0, 110, 40};

// What the exact law expects of a run: the average count of every bin for
// the run's number of experiments, and the exact mean shortage.
struct ExactOverlay {
    std::array<double, core::Tally::kBinCount> expectedCounts{};
    int firstBin = 0;  // the bins the law reaches
    int lastBin = 0;
    double mean = 0.0;
};

ExactOverlay exactOverlay(const core::ShortageLaw& law, int experiments);

// The fewest coins that cover `percent` percent of a run's meetings, and,
// when the exact law is shown too, of all meetings.
struct ReadyMarker {
    int percent = 0;
    int coins = 0;
    std::optional<int> exactCoins;
};

ReadyMarker readyMarker(const core::ShortageCounts& counts, int percent, const core::ShortageLaw* law = nullptr);

// A text in UTF-8 and its width as the front end's font sets it, in the
// area's units.
struct MeasuredText {
    std::string text;
    double width = 0.0;
};

// The numbers of the two axes: the vertical axis's 250 down to 50, then the
// horizontal axis's -110 to 0.
std::vector<MeasuredText> axisNumbers();

// The texts of the graph as the front end shows them.
struct GraphTexts {
    MeasuredText verticalCaption;
    MeasuredText horizontalCaption;
    std::vector<MeasuredText> numbers = axisNumbers();  // the front end measures them
    MeasuredText exactMean;                             // only shown with an overlay
    MeasuredText ready;       // only shown with a ready marker
    MeasuredText exactReady;  // only shown with the marker's exact coins
    double lineHeight = 0.0;
    double ascent = 0.0;
};

// Maps the logical space onto the area: x to scaleX * x + dx, y likewise.
struct AreaTransform {
    double scaleX = 1.0;
    double scaleY = 1.0;
    double dx = 0.0;
    double dy = 0.0;

    Point map(Point logical) const { return {scaleX * logical.x + dx, scaleY * logical.y + dy}; }
};

// A text to draw from `topLeft` on, standing on the base line at `baselineY`.
struct PlacedText {
    std::string text;
    Point topLeft;
    double baselineY = 0.0;
};

// The exact law over the bars: a round-capped line through the expected
// counts, a filled triangle hanging under the axis at the mean, and the
// mean's value, all in kExactColour and smoothed.
struct OverlayScene {
    std::vector<Point> line;
    double lineWidth = 0.0;
    std::vector<Point> mark;
    PlacedText label;
};

// A vertical line at the shortage -coins, from the base line up to the
// plot's top, in logical space and kReadyColour; the exact coins' line is
// dashed. The words are in the area's units, one row under the captions,
// the exact coins' a row below, each beside its line within the plot.
struct ReadyScene {
    Line line;
    std::optional<Line> exactLine;
    PlacedText label;
    std::optional<PlacedText> exactLabel;
};

// The graph in the order it is drawn. Lines and bars are in logical space,
// for the front end to draw through `toArea` unsmoothed, lines one device
// pixel wide whatever the scale; texts and the overlay are in the area's
// units, texts kept at the font's own size. Nothing of it should show
// outside the area.
struct GraphScene {
    AreaTransform toArea;
    std::vector<Line> frame;  // the ticks, the vertical axis and the grid, in kFrameColour
    std::vector<Rect> bars;   // one per bin in kBarColour, on the base line
    Line horizontalAxis;      // in kFrameColour over the bars
    std::vector<PlacedText> texts;  // the captions and the axis numbers
    std::optional<OverlayScene> overlay;
    std::optional<ReadyScene> ready;
};

// The graph of a tally in `area`, in the front end's own coordinates. An
// area without width or height shows nothing.
GraphScene graphScene(const Rect& area, const core::Tally& tally, const GraphTexts& texts,
                      const std::optional<ExactOverlay>& overlay = std::nullopt,
                      const std::optional<ReadyMarker>& ready = std::nullopt);

}  // namespace coinwell::core
