// Where the graph puts its bars, captions and the exact mean's value, for
// texts of given widths in an area twice the logical space across and down.
#include "core/graph_geometry.h"

#include <gtest/gtest.h>

#include <numeric>

namespace coinwell::core {
namespace {

const Rect kArea{10, 20, 260, 600};  // x = 10 + 2 * logical x, y = 20 + 2 * logical y

GraphTexts texts(double captionWidth = 40, double meanWidth = 30)
{
    GraphTexts result;
    result.verticalCaption = {"vertical", 80};
    result.horizontalCaption = {"horizontal", captionWidth};
    result.exactMean = {"mean", meanWidth};
    result.lineHeight = 12;
    result.ascent = 9;
    return result;
}

TEST(GraphGeometry, ACaptionStaysInsideTheArea)
{
    const struct {
        const char* what;
        double width;
        double left;
    } cases[] = {
        {"at its place", 40, 10 + 2 * 93},
        {"ending at the right edge", 120, 270 - 120},
        {"wider than the area, from the left edge", 300, 10},
    };
    for (const auto& c : cases) {
        const PlacedText caption = graphScene(kArea, {}, texts(c.width)).texts[1];
        EXPECT_EQ(caption.topLeft.x, c.left) << c.what;
    }
}

TEST(GraphGeometry, BarsStandOnTheBaseLineAsHighAsTheirCounts)
{
    core::Tally tally;
    for (std::size_t bin = 0; bin < tally.bins.size(); ++bin) {
        tally.bins[bin] = static_cast<int>(bin * 37 % 1001);  // also above the area's top
    }
    const GraphScene scene = graphScene(kArea, tally, texts());
    ASSERT_EQ(scene.bars.size(), tally.bins.size());
    for (std::size_t bin = 0; bin < tally.bins.size(); ++bin) {
        EXPECT_EQ(scene.bars[bin].height, tally.bins[bin]) << bin;
        EXPECT_EQ(scene.bars[bin].top + scene.bars[bin].height, 280.0) << bin;
    }
}

// The mean's value goes above the bars and the line under it, or beside the
// mark under the axis when that would reach the captions, and never past
// the plot's ends.
TEST(GraphGeometry, TheMeanLabelFindsRoomBesideWhatItWouldCover)
{
    const struct {
        const char* what;
        double mean;
        int barHeight;
        double labelWidth;
        bool above;
    } cases[] = {
        {"above low bars", -40, 100, 30, true},
        {"below bars to the top", -40, 275, 30, false},
        {"a wide label near the left end", -114, 10, 60, true},
        {"a wide label near the right end", 0, 10, 60, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ExactOverlay overlay;
        overlay.firstBin = 40;
        overlay.lastBin = 116;
        overlay.mean = c.mean;
        core::Tally tally;
        tally.bins.fill(c.barHeight);
        const OverlayScene scene = *graphScene(kArea, tally, texts(40, c.labelWidth), overlay).overlay;
        const Point tip = scene.mark[0];  // under the axis at the mean
        const PlacedText& label = scene.label;
        EXPECT_GE(label.topLeft.x, 10 + 2 * 5);
        EXPECT_LE(label.topLeft.x + c.labelWidth, 10 + 2 * 125);
        if (c.above) {
            EXPECT_LT(label.topLeft.y + 12, 20 + 2 * (280.0 - c.barHeight));
        } else {
            EXPECT_EQ(label.topLeft.y, tip.y);
            EXPECT_GT(label.topLeft.x, tip.x);
        }
    }
}

// 94 meetings need no coin and 6 need `needed`, so 95 % of them need
// `needed` coins; the marker's words stay inside the plot beside its line.
TEST(GraphGeometry, TheReadyMarkerStandsAtTheCoinsOfTheRun)
{
    const struct {
        int needed;
        double x;
        double labelWidth;
    } cases[] = {
        {0, 120.5, 60},    // at the right end: the words go left
        {40, 80.5, 60},
        {113, 7.5, 60},    // at the left end: the words go right
        {150, 5.5, 300},   // below the lowest single shortage; words wider than the plot
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.needed);
        ShortageCounts counts(200);
        for (int n = 0; n < 100; ++n) {
            counts.count(n < 94 ? 0 : -c.needed);
        }
        GraphTexts measured = texts();
        measured.ready = {"ready", c.labelWidth};
        measured.exactReady = {"exact", 30};
        const ShortageLaw law(200);
        const ReadyScene ready = *graphScene(kArea, {}, measured, std::nullopt, readyMarker(counts, 95, &law)).ready;
        EXPECT_EQ(ready.line.from.x, c.x);
        EXPECT_EQ(ready.line.from.y, 280);
        const double left = ready.label.topLeft.x;
        EXPECT_GE(left, 10 + 2 * 5);
        if (c.labelWidth < 240) {
            EXPECT_LE(left + c.labelWidth, 10 + 2 * 125);
        }
        EXPECT_GE(ready.label.topLeft.y, 20 + 2 * 7 + 12) << "under the captions";
        ASSERT_TRUE(ready.exactLabel);
        EXPECT_GE(ready.exactLabel->topLeft.y, ready.label.topLeft.y + 12) << "a row below";
    }
}

TEST(GraphGeometry, TheExactLawSharesOutTheRunsExperiments)
{
    for (const int guests : {10, 115, 1000}) {
        const ExactOverlay overlay = exactOverlay(core::ShortageLaw(guests), 500);
        const double total = std::accumulate(overlay.expectedCounts.begin(), overlay.expectedCounts.end(), 0.0);
        EXPECT_NEAR(total, 500, 1e-9) << guests;
        EXPECT_EQ(overlay.expectedCounts[static_cast<std::size_t>(overlay.lastBin) + 1], 0.0) << guests;
    }
}

}  // namespace
}  // namespace coinwell::core
