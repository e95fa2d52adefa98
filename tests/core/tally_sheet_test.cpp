#include "core/tally_sheet.h"
#include "support/fake_setter.h"
#include "support/label_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace coinwell::core {
namespace {

// On a sheet of 180 x 250 mm in points, with texts of 10 points: every line
// and text on the sheet, no text over another, the meetings numbered from
// 1 on, as many as a class can fill, one at least even of 1000 guests; and
// each meeting has a box for every guest: the boxes' vertical edges, each a
// box high, are one more than the boxes in each row of them.
TEST(TallySheet, HoldsEveryGuestsBoxOnThePageForAsManyMeetingsAsFit)
{
    const Rect page{0, 0, 180 * 72 / 25.4, 250 * 72 / 25.4};
    const testing::FakeSetter setter(5.5, 10, 12);
    const struct {
        int guests;
        int fewestMeetings;
    } cases[] = {{10, 15}, {35, 10}, {100, 4}, {1000, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.guests);
        const Drawing sheet = tallySheet(page, c.guests, setter);
        testing::expectLabelsClear(sheet, setter);
        int meetings = 0;
        for (const Shape& shape : sheet.shapes) {
            if (shape.kind == Shape::Kind::Text && shape.text == std::to_string(meetings + 1)) {
                ++meetings;
            }
            for (const Point& p : shape.points) {
                EXPECT_TRUE(p.x >= page.left - 1e-9 && p.x <= page.right() + 1e-9 && p.y >= page.top - 1e-9 &&
                            p.y <= page.bottom() + 1e-9);
            }
        }
        EXPECT_GE(meetings, c.fewestMeetings);
        const auto grid = std::find_if(sheet.shapes.begin(), sheet.shapes.end(),
                                       [](const Shape& s) { return s.kind == Shape::Kind::Segments; });
        ASSERT_NE(grid, sheet.shapes.end());
        // The boxes' height: that of the first vertical edge, a box's left one.
        double box = 0.0;
        for (std::size_t i = 0; i + 1 < grid->points.size() && box == 0.0; i += 2) {
            box = grid->points[i].x == grid->points[i + 1].x ? grid->points[i + 1].y - grid->points[i].y : 0.0;
        }
        int edges = 0;
        int tops = 0;  // a top edge of a row of boxes starts at each row's left end
        double boxesLeft = page.right();
        for (std::size_t i = 0; i + 1 < grid->points.size(); i += 2) {
            boxesLeft = std::min(boxesLeft, grid->points[i].x);
        }
        for (std::size_t i = 0; i + 1 < grid->points.size(); i += 2) {
            const Point a = grid->points[i];
            const Point b = grid->points[i + 1];
            edges += a.x == b.x && std::abs(b.y - a.y - box) < 1e-9 ? 1 : 0;
            tops += a.y == b.y && a.x == boxesLeft ? 1 : 0;
        }
        // Two horizontal edges and the lowest balance's two vertical ones a row.
        const int rows = tops / 2;
        EXPECT_EQ(edges - 2 * meetings - rows, meetings * c.guests);
    }
}

}  // namespace
}  // namespace coinwell::core
