#pragma once

#include "core/drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

// What every drawing's texts must keep to, checked on the shapes with the
// setter that measured them: no text over another, no label (a coloured
// text, set where there was room) past the area, and none on a plotted line
// where there was room for it elsewhere.
namespace coinwell::testing {

struct Box {
    double left, top, right, bottom;
    std::string text;
    bool label;  // placed among free places, not an axis's fixed number or caption
};

inline std::vector<Box> boxesOf(const core::Drawing& drawing, const core::TextSetter& setter)
{
    std::vector<Box> boxes;
    for (const core::Shape& shape : drawing.shapes) {
        if (shape.kind == core::Shape::Kind::Text) {
            const core::Point base = shape.points.front();
            const double top = base.y - setter.ascent;
            boxes.push_back({base.x, top, base.x + setter.width(shape.text), top + setter.lineHeight, shape.text,
                             shape.colour != core::kTextColour});
        }
    }
    return boxes;
}

// Walks each plotted line in steps of half a unit and reports the first
// point that lies more than half a unit inside the box.
inline bool lineThrough(const core::Drawing& drawing, const Box& box)
{
    const auto inside = [&](double x, double y) {
        return x > box.left + 0.5 && x < box.right - 0.5 && y > box.top + 0.5 && y < box.bottom - 0.5;
    };
    for (const core::Shape& shape : drawing.shapes) {
        const bool segments = shape.kind == core::Shape::Kind::Segments;
        if ((shape.kind != core::Shape::Kind::Path && !segments) || shape.colour == core::kFrameColour || shape.colour == core::kGridColour) {
            continue;
        }
        for (std::size_t i = 0; i + 1 < shape.points.size(); i += segments ? 2 : 1) {
            const core::Point a = shape.points[i];
            const core::Point b = shape.points[i + 1];
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
inline bool freePlaceFor(const core::Drawing& drawing, const std::vector<Box>& boxes, std::size_t i, double lineHeight)
{
    const Box& label = boxes[i];
    const double spare = lineHeight / 4;
    const core::Rect& a = drawing.area;
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

inline void expectLabelsClear(const core::Drawing& drawing, const core::TextSetter& setter)
{
    const std::vector<Box> boxes = boxesOf(drawing, setter);
    const core::Rect& a = drawing.area;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const Box& box = boxes[i];
        EXPECT_TRUE(!box.label || (box.left >= a.left - 1e-6 && box.right <= a.right() + 1e-6 && box.top >= a.top - 1e-6 &&
                                   box.bottom <= a.bottom() + 1e-6))
            << box.text;
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            const Box& other = boxes[j];
            EXPECT_FALSE(box.left < other.right - 0.5 && other.left < box.right - 0.5 && box.top < other.bottom - 0.5 &&
                         other.top < box.bottom - 0.5)
                << box.text << " over " << other.text;
        }
        if (box.label && lineThrough(drawing, box)) {
            EXPECT_FALSE(freePlaceFor(drawing, boxes, i, setter.lineHeight)) << box.text;
        }
    }
}

}  // namespace coinwell::testing
