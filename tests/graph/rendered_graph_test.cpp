// The graph as the picture box renders it, offscreen at 96 dpi.
#include "graph/graph_frame.h"
#include "graph/histogram_bars.h"
#include "platform/forms/fonts.h"
#include "platform/forms/picture_box.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

namespace coinwell::testing {
namespace {

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);

class RenderedGraphTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        picture.setGeometry(0, 0, 537, 385);
        picture.SetScale(0, 0, 130, 300);
        picture.setFont(platform::GothicFont({9.0, false}));
        ASSERT_EQ(picture.Image().size(), QSize(533, 381));
    }

    QColor At(int x, int y) const { return picture.Image().pixelColor(x, y); }

    void Draw(std::initializer_list<std::pair<int, int>> binCounts)
    {
        engine::Tally tally;
        tally.Reset();
        for (const auto& [bin, count] : binCounts) {
            tally.Bins[static_cast<std::size_t>(bin)] = static_cast<std::int16_t>(count);
        }
        graph::DrawFrame(picture);
        graph::DrawBars(picture, tally);
    }

    platform::PictureBox picture;
};

TEST_F(RenderedGraphTest, FrameLandsOnItsPixelRowsAndColumns)
{
    Draw({});
    const struct {
        const char* what;
        QPoint pixel;
        bool black;
    } cases[] = {
        {"horizontal axis", {200, 356}, true},
        {"axis left end", {12, 356}, true},
        {"left of the lowest tick", {6, 356}, false},
        {"tick of -110 below the axis", {41, 361}, true},
        {"tick of 0 above the axis", {492, 353}, true},
        {"vertical axis", {12, 100}, true},
        {"vertical tick", {8, 305}, true},
        {"solid row of 50", {300, 292}, true},
        {"solid row of 250", {300, 38}, true},
        {"a dash of the dotted row of 10", {47, 343}, true},
        {"a gap of the dotted row of 10", {51, 343}, false},
        {"between grid rows", {300, 300}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(At(c.pixel.x(), c.pixel.y()) == kBlack, c.black) << c.what;
    }
}

TEST_F(RenderedGraphTest, BarsStandOnTheAxisUpToTheirCount)
{
    Draw({{60, 50}, {61, 0}, {63, 1}, {64, 400}});
    const int bar60 = picture.ToPixel(65.5F, 0).x();
    EXPECT_EQ(At(bar60, 292), kBlue) << "the top of a count of 50 meets the solid row of 50";
    EXPECT_NE(At(bar60, 291), kBlue);
    EXPECT_EQ(At(bar60, 355), kBlue);
    EXPECT_EQ(At(bar60, 356), kBlack) << "the axis stays visible under a bar";

    const int bar61 = picture.ToPixel(66.5F, 0).x();
    EXPECT_EQ(At(bar61, 356), kBlack) << "a count of 0 lies flat on the base line";
    EXPECT_NE(At(bar61, 355), kBlue);

    const int bar63 = picture.ToPixel(68.5F, 0).x();
    EXPECT_EQ(At(bar63, 355), kBlue) << "one experiment is one unit high";
    EXPECT_NE(At(bar63, 353), kBlue);

    const int bar64 = picture.ToPixel(69.5F, 0).x();
    EXPECT_EQ(At(bar64, 0), kBlue) << "a count above 280 is clipped at the top edge";
}

TEST_F(RenderedGraphTest, EachShortageLabelIsCentredUnderItsTick)
{
    Draw({});
    // Between the solid row of 50 and the axis there is nothing but the
    // dotted rows: the label row stands below the axis.
    const int dottedRows[] = {picture.ToPixel(0, 240).y(), picture.ToPixel(0, 250).y(),
                              picture.ToPixel(0, 260).y(), picture.ToPixel(0, 270).y()};
    for (int y = picture.ToPixel(0, 230).y() + 1; y < picture.ToPixel(0, 278).y(); ++y) {
        if (std::find(std::begin(dottedRows), std::end(dottedRows), y) != std::end(dottedRows)) {
            continue;
        }
        for (int x = picture.ToPixel(11, 0).x(); x < picture.Image().width(); ++x) {
            ASSERT_GE(At(x, y).lightness(), 128) << "ink above the axis at " << x << "," << y;
        }
    }
    // Columns of the label row that hold ink, grouped into numbers.
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < picture.Image().width(); ++x) {
        bool ink = false;
        for (int y = picture.ToPixel(0, 285).y() + 1; y < picture.Image().height(); ++y) {
            ink = ink || At(x, y).lightness() < 128;
        }
        if (!ink) {
            continue;
        }
        if (!runs.empty() && x - runs.back().second <= 10) {  // a gap within a number
            runs.back().second = x;
        } else {
            runs.emplace_back(x, x);
        }
    }
    ASSERT_EQ(runs.size(), 12U);
    const double unit = 533.0 / 130.0;
    for (std::size_t n = 0; n < runs.size(); ++n) {
        const double centre = (runs[n].first + runs[n].second + 1) / 2.0;
        const double tick = (10.0 + 10.0 * static_cast<double>(n)) * unit;
        EXPECT_NEAR(centre, tick, unit) << "label " << n;
    }
}

TEST_F(RenderedGraphTest, DrawingSurvivesARepaintAndClearingEmptiesIt)
{
    Draw({{100, 30}});
    const QImage drawn = picture.Image().copy();
    picture.repaint();
    EXPECT_EQ(picture.Image(), drawn);

    picture.Cls();
    QImage blank(drawn.size(), drawn.format());
    blank.fill(picture.palette().color(QPalette::Window));
    EXPECT_EQ(picture.Image(), blank);
    EXPECT_EQ(picture.CurrentX(), 0.0F);
    EXPECT_EQ(picture.CurrentY(), 0.0F);
}

}  // namespace
}  // namespace coinwell::testing
