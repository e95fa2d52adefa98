#include "core/coverage_curve.h"

#include "core/coins_ready.h"
#include "core/tally.h"

#include <algorithm>

namespace coinwell::core {
namespace {

// The grid's top solid line, at 250 experiments, stands for 100 %.
constexpr double kFullShareY = kBaseLineY - 250.0;
constexpr double kShortageZeroX = 120.0;  // the left end of shortage 0's bar
// Coins up to the lowest single shortage each have a bar of their own.
constexpr int kMostCoins = -Tally::kLowestSingleShortage;

constexpr double kScaleLabelX = 11.0;  // where the grid starts

double shareY(double share) { return kBaseLineY - share * (kBaseLineY - kFullShareY); }

}  // namespace

Drawing coverageCurve(const GraphScene& graph, const Rect& area, const ShortageCounts& counts, const ShortageLaw* law,
                      const std::string& topLabel, const TextMetrics& metrics)
{
    Drawing drawing;
    drawing.area = area;
    if (!(area.width > 0 && area.height > 0)) {
        return drawing;
    }
    const AreaTransform& toArea = graph.toArea;
    const double width = std::max(1.5, metrics.lineHeight / 8);
    const int mostCoins = std::min(kMostCoins, -counts.lowest());

    Stroke steps{{}, kCoverageColour, width, false};
    for (int coins = 0; coins <= mostCoins; ++coins) {
        const double y = shareY(shareCovered(counts, coins));
        const double right = kShortageZeroX + 1 - coins;
        steps.points.push_back(toArea.map({right, y}));
        steps.points.push_back(toArea.map({right - 1, y}));
    }
    drawing.strokes.push_back(std::move(steps));
    if (law != nullptr) {
        Stroke exact{{}, kExactColour, width, true};
        for (int coins = 0; coins <= std::min(kMostCoins, law->guests()); ++coins) {
            exact.points.push_back(toArea.map({kShortageZeroX + 0.5 - coins, shareY(shareCovered(*law, coins))}));
        }
        drawing.strokes.push_back(std::move(exact));
    }

    // The scale's words stand at the left under their lines: the curve
    // reaches the whole there above them, and the words of the coins to have
    // ready, beside their line further right, stay clear of them.
    const double gap = metrics.lineHeight / 4;
    const auto scaleLabel = [&](const std::string& text, double share) {
        const Point at = toArea.map({kScaleLabelX, shareY(share)});
        drawing.texts.push_back({text, {at.x, at.y + gap / 2}, Align::Left, kCoverageColour});
    };
    scaleLabel(topLabel, 1.0);
    scaleLabel("50%", 0.5);
    return drawing;
}

}  // namespace coinwell::core
