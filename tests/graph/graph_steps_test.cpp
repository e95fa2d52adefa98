#include "recording_surface.h"

#include "graph/graph_frame.h"
#include "graph/histogram_bars.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace coinwell::testing {
namespace {

using Kind = RecordingSurface::Kind;
using Step = RecordingSurface::Step;

const platform::Rgb kBlack{0, 0, 0};
const platform::Rgb kLightBlue{0, 0, 255};

std::vector<Step> Lines(const std::vector<Step>& steps)
{
    std::vector<Step> lines;
    std::copy_if(steps.begin(), steps.end(), std::back_inserter(lines),
                 [](const Step& s) { return s.kind == Kind::Line; });
    return lines;
}

bool SameLine(const Step& s, float x1, float y1, float x2, float y2)
{
    return s.x1 == x1 && s.y1 == y1 && s.x2 == x2 && s.y2 == y2;
}

TEST(GraphFrame, DrawsEveryElementInOrderInBlack)
{
    RecordingSurface surface;
    graph::DrawFrame(surface);
    const std::vector<Step> lines = Lines(surface.steps);

    // 1 axis, 12 ticks, 1 axis, 27 ticks, 25 x 59 dashes, 5 solid rows.
    ASSERT_EQ(lines.size(), 1U + 12 + 1 + 27 + 25 * 59 + 5);
    for (const Step& line : lines) {
        EXPECT_EQ(line.colour, kBlack);
    }
    std::size_t i = 0;
    EXPECT_TRUE(SameLine(lines[i++], 3, 280, 127, 280));
    for (int x = 10; x <= 120; x += 10) {
        EXPECT_TRUE(SameLine(lines[i++], x, 278, x, 285)) << "tick at x " << x;
    }
    EXPECT_TRUE(SameLine(lines[i++], 3, 280, 3, 10));
    for (int y = 280; y >= 20; y -= 10) {
        EXPECT_TRUE(SameLine(lines[i++], 2, y, 4, y)) << "tick at y " << y;
    }
    for (int y = 270; y >= 30; y -= 10) {
        for (int x = 11; x <= 127; x += 2) {
            ASSERT_TRUE(SameLine(lines[i++], x, y, x + 1, y)) << "dash " << x << "," << y;
        }
    }
    for (int y = 230; y >= 30; y -= 50) {
        EXPECT_TRUE(SameLine(lines[i++], 11, y, 127, y)) << "solid row " << y;
    }

    std::vector<Step> prints;
    std::copy_if(surface.steps.begin(), surface.steps.end(), std::back_inserter(prints),
                 [](const Step& s) { return s.kind == Kind::Print; });
    const struct {
        float x, y;
        const char* text;
    } expected[] = {
        {5, 7, "（Vertical axis : Number of experiments）"},
        {93, 7, "（Horizontal axis : Shortage）"},
        {5, 27, "250"}, {5, 77, "200"}, {5, 127, "150"}, {5, 177, "100"}, {5, 227, "50"},
    };
    ASSERT_EQ(prints.size(), std::size(expected));
    for (std::size_t p = 0; p < prints.size(); ++p) {
        EXPECT_EQ(prints[p].x1, expected[p].x);
        EXPECT_EQ(prints[p].y1, expected[p].y);
        EXPECT_EQ(prints[p].text, expected[p].text);
    }
    EXPECT_EQ(surface.steps.back().kind, Kind::Print) << "texts come after the lines";
    EXPECT_TRUE(std::none_of(surface.steps.begin(), surface.steps.end(),
                             [](const Step& s) { return s.kind == Kind::Cls; }))
        << "the frame is drawn over what the picture shows";
}

engine::Tally TallyWith(std::initializer_list<std::pair<int, int>> binCounts)
{
    engine::Tally tally;
    tally.Reset();
    for (const auto& [bin, count] : binCounts) {
        tally.Bins[static_cast<std::size_t>(bin)] = static_cast<std::int16_t>(count);
    }
    return tally;
}

TEST(HistogramBars, OneLightBlueBoxPerBinInBinOrder)
{
    const engine::Tally tally = TallyWith({{0, 3}, {1, 1}, {105, 50}, {114, 280}, {115, 1000}, {116, 7}});
    RecordingSurface surface;
    graph::DrawBars(surface, tally);

    std::vector<Step> boxes;
    std::copy_if(surface.steps.begin(), surface.steps.end(), std::back_inserter(boxes),
                 [](const Step& s) { return s.kind == Kind::Box; });
    ASSERT_EQ(boxes.size(), 120U);
    for (int b = 0; b < 120; ++b) {
        SCOPED_TRACE(b);
        const Step& box = boxes[static_cast<std::size_t>(b)];
        EXPECT_EQ(box.colour, kLightBlue);
        EXPECT_TRUE(SameLine(box, 5.0F + b, 280, 6.0F + b, 280.0F - tally.Bins[static_cast<std::size_t>(b)]));
    }
    EXPECT_EQ(boxes[115].y2, -720.0F) << "no clamping: 1000 experiments reach far above the picture";
    EXPECT_TRUE(std::all_of(surface.steps.begin(), surface.steps.begin() + 120,
                            [](const Step& s) { return s.kind == Kind::Box; }))
        << "bars come first, the labels after them";
}

TEST(HistogramBars, LabelRowStandsOneLineBelowTheBaseLineEachNumberCentredOnItsTick)
{
    RecordingSurface surface;
    graph::DrawFrame(surface);  // leaves the print position under the last vertical label
    graph::DrawBars(surface, TallyWith({}));

    std::vector<Step> prints;
    std::copy_if(surface.steps.begin() + static_cast<std::ptrdiff_t>(surface.steps.size() - 13),
                 surface.steps.end(), std::back_inserter(prints),
                 [](const Step& s) { return s.kind == Kind::Print; });
    ASSERT_EQ(prints.size(), 13U) << "the line end, then twelve numbers";
    EXPECT_EQ(prints[0].text, "");
    const char* numbers[] = {"-110", "-100", "-90", "-80", "-70", "-60",
                             "-50", "-40", "-30", "-20", "-10", "0"};
    for (std::size_t n = 0; n < 12; ++n) {
        const Step& label = prints[n + 1];
        SCOPED_TRACE(numbers[n]);
        EXPECT_EQ(label.text, numbers[n]);
        const float centre = label.x1 + RecordingSurface::kCharWidth * static_cast<float>(label.text.size()) / 2;
        EXPECT_FLOAT_EQ(centre, 10.0F + 10.0F * static_cast<float>(n));
        EXPECT_FLOAT_EQ(label.y1, 280 + RecordingSurface::kLineHeight);
    }
    EXPECT_FLOAT_EQ(surface.CurrentY(), 280 + 2 * RecordingSurface::kLineHeight) << "a line end follows";
    EXPECT_EQ(surface.CurrentX(), 0.0F);
}

}  // namespace
}  // namespace coinwell::testing
