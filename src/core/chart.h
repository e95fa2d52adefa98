#pragma once

#include "core/drawing.h"

#include <functional>
#include <string>
#include <vector>

// The frame of a line chart over whole numbers: a plot with its axes, a grid
// at round numbers, the numbers under and beside it and the two captions, as
// the views other than the histogram draw them.
namespace coinwell::core {

struct AxisRange {
    int from = 0;
    int to = 1;  // more than from
};

// Round numbers from `range` at a step of 1, 2 or 5 times a power of ten,
// the smallest step that keeps them to `most` (at least 2) numbers.
std::vector<int> roundTicks(AxisRange range, int most);

// Where the chart's plot lies in the area, and its values' places in it.
struct ChartSpace {
    Rect plot;
    AxisRange x;
    AxisRange y;

    Point map(double valueX, double valueY) const;
};

// What a chart's frame holds beyond its axes and captions.
struct ChartLayout {
    int rowsAbove = 0;  // rows for the view's own words under the captions' row
    // The vertical numbers' column at least this wide, for charts set one
    // above the other to line up.
    double numbersWidth = 0.0;
    // The horizontal numbers' names, else the numbers themselves.
    std::function<std::string(int)> xName;
};

// Draws the frame of a chart of `x` across and `y` up into `drawing`, over
// its whole area: the captions' row on top (the vertical axis's caption at
// the left, the horizontal one's at the right) and the layout's rows more
// under it, the vertical numbers at the left and the horizontal ones under
// the plot.
ChartSpace drawChartFrame(Drawing& drawing, AxisRange x, AxisRange y, const Message& verticalCaption,
                          const Message& horizontalCaption, const TextSetter& setter, const ChartLayout& layout = {});

// The widest of the numbers from `range.from` to `range.to`, as a chart sets them.
double numbersWidth(AxisRange range, const TextSetter& setter);

// The top of text row `row` under the captions' row (row 0 is the first),
// and where the rows start and end, as the captions do.
double rowTop(const Drawing& drawing, const TextSetter& setter, int row);
double rowLeft(const Drawing& drawing, const TextSetter& setter);
double rowRight(const Drawing& drawing, const TextSetter& setter);

}  // namespace coinwell::core
