#include "core/histogram.h"
#include "core/run.h"
#include "core/run_record.h"
#include "core/clock.h"
#include "core/random_generator.h"
#include "support/fake_setter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace coinwell::core {
namespace {

RunRecord seededRun(int guests, int experiments, std::uint64_t seed)
{
    RandomGenerator random(seed);
    FixedClock clock;
    return recordRun(runExperiments({guests, experiments}, random, clock), seed);
}

struct Box {
    double left, top, right, bottom;
    std::string text;
    bool label;  // placed among free places, not an axis's fixed number or caption
};

std::vector<Box> boxesOf(const Drawing& drawing, const TextSetter& setter)
{
    std::vector<Box> boxes;
    for (const Shape& shape : drawing.shapes) {
        if (shape.kind == Shape::Kind::Text) {
            const Point base = shape.points.front();
            const double top = base.y - setter.ascent;
            boxes.push_back({base.x, top, base.x + setter.width(shape.text), top + setter.lineHeight, shape.text,
                             shape.colour != kTextColour});
        }
    }
    return boxes;
}

// Walks each plotted line in steps of half a unit and reports the first
// point that lies more than half a unit inside the box.
bool lineThrough(const Drawing& drawing, const Box& box)
{
    const auto inside = [&](double x, double y) {
        return x > box.left + 0.5 && x < box.right - 0.5 && y > box.top + 0.5 && y < box.bottom - 0.5;
    };
    for (const Shape& shape : drawing.shapes) {
        const bool segments = shape.kind == Shape::Kind::Segments;
        if ((shape.kind != Shape::Kind::Path && !segments) || shape.colour == kFrameColour || shape.colour == kGridColour) {
            continue;
        }
        for (std::size_t i = 0; i + 1 < shape.points.size(); i += segments ? 2 : 1) {
            const Point a = shape.points[i];
            const Point b = shape.points[i + 1];
            const int steps = 1 + static_cast<int>(2 * std::hypot(b.x - a.x, b.y - a.y));
            for (int step = 0; step <= steps; ++step) {
                const double t = static_cast<double>(step) / steps;
                if (inside(a.x + t * (b.x - a.x), a.y + t * (b.y - a.y))) {
                    return true;
                }
            }
        }
    }
    return false;
}

// Whether label i could stand anywhere in the area clear of every other
// text and every plotted line with a quarter row to spare all round.
bool freePlaceFor(const Drawing& drawing, const std::vector<Box>& boxes, std::size_t i, double lineHeight)
{
    const Box& label = boxes[i];
    const double spare = lineHeight / 4;
    const Rect& a = drawing.area;
    for (double left = a.left + spare; left + label.right - label.left + spare <= a.right(); left += spare) {
        for (double top = a.top + spare; top + lineHeight + spare <= a.bottom(); top += spare) {
            const Box room{left - spare, top - spare, left + label.right - label.left + spare, top + lineHeight + spare,
                           label.text, true};
            const bool onText = std::any_of(boxes.begin(), boxes.end(), [&](const Box& other) {
                return &other != &label && room.left < other.right && other.left < room.right && room.top < other.bottom &&
                       other.top < room.bottom;
            });
            if (!onText && !lineThrough(drawing, room)) {
                return true;
            }
        }
    }
    return false;
}

// No text over another, none past the area, and no label on a plotted line
// where there is room for it elsewhere:
// over seeded runs at four numbers of guests, every combination of the
// graph's options, and areas from a phone's to a 4K screen's with texts at
// the size the window gives them there, narrow and wide.
TEST(Labels, NoTextCoversAnotherOrALabelALine)
{
    const struct {
        Rect area;
        double em;
    } screens[] = {
        {{0, 0, 355, 254}, 8},       // a phone's, the page scaled down
        {{32, 40, 537, 385}, 13},    // the window's at 100 %, a wide face
        {{0, 0, 2148, 1540}, 48},    // at 200 % on a 4K screen
    };
    for (const int guests : {10, 35, 100, 1000}) {
        for (const int experiments : {10, 1000}) {
            for (const std::uint64_t seed : {1, 2}) {
                const RunRecord record = seededRun(guests, experiments, seed);
                for (unsigned flags = 0; flags < 16; ++flags) {
                    const int percent = std::array{90, 95, 99}[flags % 3];
                    const HistogramOptions options{(flags & 1) != 0, (flags & 2) != 0 ? percent : 0, (flags & 4) != 0,
                                                   (flags & 8) != 0, percent};
                    for (const auto& screen : screens) {
                        for (const double narrow : {0.55}) {
                            const testing::FakeSetter setter(narrow * screen.em, screen.em, 1.2 * screen.em);
                            const Drawing drawing = histogram(screen.area, &record, options, setter);
                            const std::vector<Box> boxes = boxesOf(drawing, setter);
                            SCOPED_TRACE(::testing::Message() << guests << " x " << experiments << " seed " << seed
                                                            << " options " << flags << " width " << screen.area.width
                                                            << " narrow " << narrow);
                            const Rect& a = drawing.area;
                            for (std::size_t i = 0; i < boxes.size(); ++i) {
                                const Box& box = boxes[i];
                                EXPECT_TRUE(!box.label || (box.left >= a.left - 1e-6 && box.right <= a.right() + 1e-6 &&
                                            box.top >= a.top - 1e-6 && box.bottom <= a.bottom() + 1e-6))
                                    << box.text;
                                for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                                    const Box& other = boxes[j];
                                    EXPECT_FALSE(box.left < other.right - 0.5 && other.left < box.right - 0.5 &&
                                                 box.top < other.bottom - 0.5 && other.top < box.bottom - 0.5)
                                        << box.text << " over " << other.text;
                                }
                                if (box.label && lineThrough(drawing, box)) {
                                    EXPECT_FALSE(freePlaceFor(drawing, boxes, i, setter.lineHeight)) << box.text;
                                }
                            }
                        }
                    }
                }
            }
        }
    }
}

double tallestBarShare(const Drawing& drawing)
{
    double top = drawing.area.bottom();
    double base = drawing.area.top;
    double tallest = 0.0;
    for (const Shape& shape : drawing.shapes) {
        if (shape.kind == Shape::Kind::Box) {
            tallest = std::max(tallest, shape.points[1].y);
            base = std::max(base, shape.points[0].y + shape.points[1].y);
        } else if (shape.kind == Shape::Kind::Segments && shape.colour == kFrameColour) {
            for (const Point& p : shape.points) {
                top = std::min(top, p.y);
            }
        }
    }
    return tallest / (base - top);
}

// Fitted axes fill the area with a small run and give every shortage a bar
// of its own, those below -114 too; the window's fixed axes leave 35 x 10
// a sliver.
TEST(FittedAxes, FillTheAreaWithTheRunAndKeepEveryShortageApart)
{
    const testing::FakeSetter setter(7, 12, 16);
    const Rect area{10, 20, 533, 300};
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        const RunRecord record = seededRun(35, 10, seed);
        EXPECT_GE(tallestBarShare(histogram(area, &record, {false, 0, false, true}, setter)), 0.5) << seed;
        EXPECT_GE(tallestBarShare(histogram(area, &record, {true, 99, true, true}, setter)), 0.5) << seed;
        EXPECT_LT(tallestBarShare(histogram(area, &record, {}, setter)), 0.05) << seed;
    }
    const RunRecord wide = seededRun(1000, 300, 7);
    std::set<int> shortages;
    for (int shortage = -1000; shortage <= 1; ++shortage) {
        if (wide.result.counts.at(shortage) > 0) {
            shortages.insert(shortage);
        }
    }
    ASSERT_LT(*shortages.begin(), -114) << "a run reaching below the fixed axes";
    const Drawing drawing = histogram(area, &wide, {false, 0, false, true}, setter);
    EXPECT_EQ(std::count_if(drawing.shapes.begin(), drawing.shapes.end(),
                            [](const Shape& shape) { return shape.kind == Shape::Kind::Box; }),
              static_cast<long>(shortages.size()));
}

}  // namespace
}  // namespace coinwell::core
