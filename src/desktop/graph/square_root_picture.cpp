#include "desktop/graph/square_root_picture.h"

#include "desktop/graph/drawing_painter.h"
#include "desktop/graph/graph_text.h"

#include <QPainter>

#include <array>

namespace coinwell::graph {
namespace {

QString lesson()
{
    return graphText(QT_TRANSLATE_NOOP("coinwell::graph", "Four times the guests need only about twice the coins."));
}

}  // namespace

void paintSquareRoot(QPainter& painter, const QRectF& area, const std::vector<core::ExactForGuests>& exact,
                     const std::vector<core::RunPoint>& runs, int percent, const QColor& textColour)
{
    core::SquareRootTexts texts;
    texts.chart = {graphText(QT_TRANSLATE_NOOP("coinwell::graph", "Coins")).toStdString(),
                   graphText(QT_TRANSLATE_NOOP("coinwell::graph", "Guests")).toStdString(),
                   textMetrics(QFontMetricsF(painter.font()))};
    texts.lesson = lesson().toStdString();
    texts.meanLegend = graphText(QT_TRANSLATE_NOOP("coinwell::graph", "exact mean shortage, as coins")).toStdString();
    texts.coinsLegend =
        graphText(QT_TRANSLATE_NOOP("coinwell::graph", "exact coins for %1% of meetings")).arg(percent).toStdString();
    texts.referenceLegend = "√(2n/π)";  // a formula, the same in every language
    texts.runsLegend = graphText(QT_TRANSLATE_NOOP("coinwell::graph", "runs: ○ average, ● coins")).toStdString();
    paintDrawing(painter,
                 core::squareRootScene({area.left(), area.top(), area.width(), area.height()}, exact, runs, texts),
                 textColour);
}

QString squareRootDescription(int percent, std::size_t runs)
{
    const std::array<int, core::kNamedGuests.size()> coins = core::exactCoinsOfNamedGuests(percent);
    return graphText(QT_TRANSLATE_NOOP("coinwell::graph",
                                       "Square-root law. %1 For %2% of meetings the exact coins are %3 at 100 guests, "
                                       "%4 at 400 and %5 at 1000; runs shown: %6."))
        .arg(lesson())
        .arg(percent)
        .arg(coins[0])
        .arg(coins[1])
        .arg(coins[2])
        .arg(runs);
}

}  // namespace coinwell::graph
