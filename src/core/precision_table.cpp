#include "core/precision_table.h"

#include "core/coins_ready.h"
#include "core/one_decimal.h"
#include "core/precision.h"

#include <algorithm>

namespace coinwell::core {
namespace {

Message decimals(double value) { return verbatim(fixedDecimals(value, 2)); }

Message none() { return verbatim("–"); }

}  // namespace

std::vector<std::vector<Message>> precisionCells(const RunRecord& record, int percent)
{
    const ShortageCounts& counts = record.result.counts;
    const std::optional<AveragePrecision> precision = averagePrecision(counts, record.law);
    const CoinsRange coins = coinsRange(counts, record.law, percent);
    std::vector<std::vector<Message>> rows{
        {verbatim(""), say(phrase("coinwell::graph", "this run")), say(phrase("coinwell::graph", "exact"))},
        {say(phrase("coinwell::graph", "average")), decimals(record.result.meanShortage()), decimals(record.law.mean())},
        {say(phrase("coinwell::graph", "standard deviation")), precision ? decimals(precision->standardDeviation) : none(),
         decimals(standardDeviation(record.law))},
        {say(phrase("coinwell::graph", "standard error")), precision ? decimals(precision->standardError) : none(), verbatim("")},
        {say(phrase("coinwell::graph", "95% interval")),
         precision ? say(phrase("coinwell::graph", "%1 to %2"), {decimals(precision->low), decimals(precision->high)}) : none(),
         !precision                 ? verbatim("")
         : precision->exactMeanInside ? say(phrase("coinwell::graph", "mean inside"))
                                      : say(phrase("coinwell::graph", "mean outside"))},
        {say(phrase("coinwell::graph", "coins for %1%"), {number(percent)}),
         say(phrase("coinwell::graph", "%1 (%2 to %3)"), {number(coins.coins), number(coins.fewest), number(coins.most)}),
         number(coins.exact)},
    };
    return rows;
}

void drawPrecisionTable(Drawing& drawing, const RunRecord& record, int percent, const TextSetter& setter, const Rect& room)
{
    std::vector<std::vector<std::string>> cells;
    std::vector<double> widths(3, 0.0);
    for (const std::vector<Message>& row : precisionCells(record, percent)) {
        std::vector<std::string>& texts = cells.emplace_back();
        for (std::size_t column = 0; column < row.size(); ++column) {
            texts.push_back(setter.text(row[column]));
            widths[column] = std::max(widths[column], setter.width(texts.back()));
        }
    }
    const double pad = setter.lineHeight / 4;
    const double gap = setter.lineHeight;
    // Rows a little apart, for faces whose boxes reach past their line.
    const double pitch = setter.lineHeight + pad / 2;
    const double width = widths[0] + widths[1] + widths[2] + 2 * gap + 2 * pad;
    const double height = static_cast<double>(cells.size()) * pitch + 2 * pad;
    const Rect box = drawing.place(setter, width, height, {{room.left, room.top}, {room.right() - width, room.top}}).first;
    drawing.add(Shape::Kind::Box, {{box.left, box.top}, {box.width, box.height}}, kLabelGround);
    drawing.add(Shape::Kind::Path,
                {{box.left, box.top}, {box.right(), box.top}, {box.right(), box.bottom()}, {box.left, box.bottom()},
                 {box.left, box.top}},
                kFrameColour);
    // Names at the left, values at the right of their columns.
    for (std::size_t row = 0; row < cells.size(); ++row) {
        const double top = box.top + pad + static_cast<double>(row) * pitch;
        double right = box.left + pad;
        for (std::size_t column = 0; column < cells[row].size(); ++column) {
            const std::string& text = cells[row][column];
            right += widths[column] + (column > 0 ? gap : 0.0);
            const double left = column == 0 ? box.left + pad : right - setter.width(text);
            if (!text.empty()) {
                drawing.textAt(setter, text, {left, top});
            }
        }
    }
}

}  // namespace coinwell::core
