#include "core/chart.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace coinwell::core {
namespace {

// The numbers' width: digits and a minus sign, each one digit wide.
double numberWidth(int number, const TextSetter& metrics)
{
    return static_cast<double>(std::to_string(number).size()) * metrics.digitWidth;
}

}  // namespace

double numbersWidth(AxisRange range, const TextSetter& setter)
{
    return std::max(numberWidth(range.from, setter), numberWidth(range.to, setter));
}

std::vector<int> roundTicks(AxisRange range, int most)
{
    most = std::max(most, 2);
    const int span = std::max(range.to - range.from, 1);
    int step = 1;
    for (int power = 1;; power *= 10) {
        const int candidates[] = {power, 2 * power, 5 * power};
        const int* fits = std::find_if(std::begin(candidates), std::end(candidates),
                                       [&](int candidate) { return span / candidate + 1 <= most; });
        if (fits != std::end(candidates)) {
            step = *fits;
            break;
        }
    }
    std::vector<int> ticks;
    // The first multiple of the step at or after the range's start.
    int tick = range.from >= 0 ? (range.from + step - 1) / step * step : -(-range.from / step * step);
    for (; tick <= range.to; tick += step) {
        ticks.push_back(tick);
    }
    return ticks;
}

Point ChartSpace::map(double valueX, double valueY) const
{
    return {plot.left + (valueX - x.from) / (x.to - x.from) * plot.width,
            plot.top + plot.height - (valueY - y.from) / (y.to - y.from) * plot.height};
}

double rowTop(const Drawing& drawing, const TextSetter& metrics, int row)
{
    const double gap = metrics.lineHeight / 4;
    return drawing.area.top + gap + (1 + row) * metrics.lineHeight;
}

double rowLeft(const Drawing& drawing, const TextSetter& metrics)
{
    return drawing.area.left + metrics.lineHeight / 4;
}

double rowRight(const Drawing& drawing, const TextSetter& metrics)
{
    return drawing.area.left + drawing.area.width - metrics.lineHeight / 4;
}

ChartSpace drawChartFrame(Drawing& drawing, AxisRange x, AxisRange y, const Message& verticalCaption,
                          const Message& horizontalCaption, const TextSetter& metrics, const ChartLayout& layout)
{
    const auto& xName = layout.xName;
    const auto nameOf = [&](int tick) { return xName ? xName(tick) : std::to_string(tick); };
    const Rect& area = drawing.area;
    const double gap = metrics.lineHeight / 4;
    drawing.text(metrics, verticalCaption, {rowLeft(drawing, metrics), area.top + gap});
    drawing.text(metrics, horizontalCaption, {rowRight(drawing, metrics), area.top + gap}, Align::Right);

    const std::vector<int> verticalTicks =
        roundTicks(y, std::max(2, static_cast<int>(area.height / (2.5 * std::max(metrics.lineHeight, 1.0)))));
    double numbersWidth = layout.numbersWidth;
    for (const int tick : verticalTicks) {
        numbersWidth = std::max(numbersWidth, numberWidth(tick, metrics));
    }
    const auto nameWidth = [&](int tick) { return xName ? metrics.width(xName(tick)) : numberWidth(tick, metrics); };
    const double widestHorizontal = std::max(nameWidth(x.from), nameWidth(x.to));
    ChartSpace space;
    space.x = x;
    space.y = y;
    space.plot.left = area.left + 2 * gap + numbersWidth + gap;
    space.plot.top = rowTop(drawing, metrics, layout.rowsAbove) + metrics.lineHeight / 2;
    const double right = area.left + area.width - (widestHorizontal / 2 + gap);
    const double bottom = area.top + area.height - gap - metrics.lineHeight - gap;
    space.plot.width = std::max(1.0, right - space.plot.left);
    space.plot.height = std::max(1.0, bottom - space.plot.top);

    const double tickLength = gap;
    for (const int tick : verticalTicks) {
        const Point at = space.map(x.from, tick);
        drawing.path({at, space.map(x.to, tick)}, kGridColour, 0.0, tick != 0);
        drawing.path({{at.x - tickLength, at.y}, at}, kFrameColour);
        drawing.text(metrics, std::to_string(tick), {at.x - tickLength - gap, at.y - metrics.lineHeight / 2},
                     Align::Right);
    }
    const std::vector<int> horizontalTicks =
        roundTicks(x, std::max(2, static_cast<int>(space.plot.width / (2.5 * std::max(widestHorizontal, 1.0)))));
    for (const int tick : horizontalTicks) {
        const Point at = space.map(tick, y.from);
        drawing.path({at, {at.x, at.y + tickLength}}, kFrameColour);
        drawing.text(metrics, nameOf(tick), {at.x, at.y + tickLength}, Align::Centre);
    }
    drawing.path({space.map(x.from, y.to), space.map(x.from, y.from), space.map(x.to, y.from)}, kFrameColour);
    return space;
}

}  // namespace coinwell::core
