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

    // Whether the two share more than `edge` each way.
    bool over(const Box& o, double edge) const
    {
        return left < o.right - edge && o.left < right - edge && top < o.bottom - edge && o.top < bottom - edge;
    }
};

// Whether a plotted line (in any colour but the frame's and the grid's),
// walked in steps of half a unit, comes more than half a unit inside the box.
inline bool lineThrough(const core::Drawing& drawing, const Box& box)
{
    for (const core::Shape& shape : drawing.shapes) {
        const bool segments = shape.kind == core::Shape::Kind::Segments;
        if ((shape.kind != core::Shape::Kind::Path && !segments) || shape.colour == core::kFrameColour ||
            shape.colour == core::kGridColour) {
            continue;
        }
        for (std::size_t i = 0; i + 1 < shape.points.size(); i += segments ? 2 : 1) {
            const core::Point a = shape.points[i];
            const core::Point b = shape.points[i + 1];
            const int steps = 1 + static_cast<int>(2 * std::hypot(b.x - a.x, b.y - a.y));
            for (int step = 0; step <= steps; ++step) {
                const double x = a.x + step * (b.x - a.x) / steps;
                const double y = a.y + step * (b.y - a.y) / steps;
                if (box.over({x, y, x, y}, 0.5)) {
                    return true;
                }
            }
        }
    }
    return false;
}

inline void expectLabelsClear(const core::Drawing& drawing, const core::TextSetter& setter)
{
    std::vector<const core::Shape*> texts;
    std::vector<Box> boxes;
    for (const core::Shape& shape : drawing.shapes) {
        if (shape.kind == core::Shape::Kind::Text) {
            const core::Point base = shape.points.front();
            const double top = base.y - setter.ascent;
            texts.push_back(&shape);
            boxes.push_back({base.x, top, base.x + setter.width(shape.text), top + setter.lineHeight});
        }
    }
    const core::Rect& a = drawing.area;
    // Whether a box as large as box i, with a quarter row to spare all round,
    // fits anywhere in the area clear of every other text and plotted line.
    const auto freePlaceFor = [&](std::size_t i) {
        const double spare = setter.lineHeight / 4;
        const double width = boxes[i].right - boxes[i].left + 2 * spare;
        const double height = setter.lineHeight + 2 * spare;
        for (double left = a.left; left + width <= a.right(); left += spare) {
            for (double top = a.top; top + height <= a.bottom(); top += spare) {
                const Box room{left, top, left + width, top + height};
                bool onText = false;
                for (std::size_t j = 0; j < boxes.size(); ++j) {
                    onText = onText || (j != i && room.over(boxes[j], 0));
                }
                if (!onText && !lineThrough(drawing, room)) {
                    return true;
                }
            }
        }
        return false;
    };
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const Box& box = boxes[i];
        const std::string& text = texts[i]->text;
        // A label: placed among free places, not an axis's fixed number or caption.
        const bool label = texts[i]->colour != core::kTextColour;
        EXPECT_TRUE(!label || (box.left >= a.left - 1e-6 && box.right <= a.right() + 1e-6 && box.top >= a.top - 1e-6 &&
                               box.bottom <= a.bottom() + 1e-6))
            << text;
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            EXPECT_FALSE(box.over(boxes[j], 0.5)) << text << " over " << texts[j]->text;
        }
        if (label && lineThrough(drawing, box)) {
            EXPECT_FALSE(freePlaceFor(i)) << text;
        }
    }
}

}  // namespace coinwell::testing
