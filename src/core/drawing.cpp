#include "core/drawing.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace coinwell::core {

Shape& Drawing::add(Shape::Kind kind, std::vector<Point> points, Colour colour, double size)
{
    Shape& shape = shapes.emplace_back();
    shape.kind = kind;
    shape.points = std::move(points);
    shape.colour = colour;
    shape.size = size;
    return shape;
}

void Drawing::path(std::vector<Point> points, Colour colour, double width, bool dashed)
{
    add(Shape::Kind::Path, std::move(points), colour, width).dashed = dashed;
}

void Drawing::layer()
{
    // Areas, then lines, then marks, then texts; by Kind's order.
    constexpr int kRank[] = {1, 1, 0, 0, 2, 2, 3};
    std::stable_sort(shapes.begin(), shapes.end(), [&](const Shape& a, const Shape& b) {
        return kRank[static_cast<int>(a.kind)] < kRank[static_cast<int>(b.kind)];
    });
}

Rect Drawing::text(const TextSetter& setter, const std::string& words, Point anchor, Align align, Colour colour)
{
    const double width = setter.width(words);
    double left = anchor.x;
    if (align == Align::Centre) {
        left -= width / 2;
    } else if (align == Align::Right) {
        left -= width;
    }
    left = std::clamp(left, area.left, std::max(area.left, area.right() - width));
    const double top = std::clamp(anchor.y, area.top, std::max(area.top, area.bottom() - setter.lineHeight));
    textAt(setter, words, {left, top}, colour);
    return {left, top, width, setter.lineHeight};
}

void Drawing::textAt(const TextSetter& setter, std::string words, Point topLeft, Colour colour)
{
    add(Shape::Kind::Text, {{topLeft.x, topLeft.y + setter.ascent}}, colour).text = std::move(words);
}

namespace {

// Whether the segment from a to b passes through the inside of the box:
// the segment clipped to the box's slab in x, then in y, stays non-empty.
bool crosses(Point a, Point b, const Rect& box)
{
    double from = 0.0;
    double to = 1.0;
    const auto clip = [&](double start, double delta, double low, double high) {
        if (delta == 0.0) {
            return start > low && start < high;
        }
        double t1 = (low - start) / delta;
        double t2 = (high - start) / delta;
        if (t1 > t2) {
            std::swap(t1, t2);
        }
        from = std::max(from, t1);
        to = std::min(to, t2);
        return from < to;
    };
    return clip(a.x, b.x - a.x, box.left, box.right()) && clip(a.y, b.y - a.y, box.top, box.bottom());
}

bool isMark(const Shape& shape)
{
    return shape.kind == Shape::Kind::Polygon || shape.kind == Shape::Kind::Dot || shape.kind == Shape::Kind::Ring;
}

Rect boundsOf(const Shape& mark)
{
    if (mark.kind != Shape::Kind::Polygon) {
        const Point centre = mark.points.front();
        return {centre.x - mark.size, centre.y - mark.size, 2 * mark.size, 2 * mark.size};
    }
    double left = mark.points.front().x;
    double right = left;
    double top = mark.points.front().y;
    double bottom = top;
    for (const Point& p : mark.points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    return {left, top, right - left, bottom - top};
}

bool onLine(const Shape& line, const Rect& box)
{
    const std::vector<Point>& p = line.points;
    const std::size_t step = line.kind == Shape::Kind::Segments ? 2 : 1;
    for (std::size_t i = 0; i + 1 < p.size(); i += step) {
        if (crosses(p[i], p[i + 1], box)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool isPlottedLine(const Shape& shape)
{
    return (shape.kind == Shape::Kind::Path || shape.kind == Shape::Kind::Segments) && shape.colour != kFrameColour &&
           shape.colour != kGridColour;
}

bool overlap(const Rect& a, const Rect& b)
{
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

std::vector<Rect> Drawing::textBoxes(const TextSetter& setter) const
{
    std::vector<Rect> boxes;
    for (const Shape& shape : shapes) {
        if (shape.kind == Shape::Kind::Text) {
            const Point base = shape.points.front();
            boxes.push_back({base.x, base.y - setter.ascent, setter.width(shape.text), setter.lineHeight});
        }
    }
    return boxes;
}

std::pair<Rect, bool> Drawing::place(const TextSetter& setter, double width, double height,
                                     const std::vector<Point>& corners) const
{
    const std::vector<Rect> texts = textBoxes(setter);
    const auto within = [&](const Rect& box) {
        return box.left >= area.left - 1e-9 && box.right() <= area.right() + 1e-9 && box.top >= area.top - 1e-9 &&
               box.bottom() <= area.bottom() + 1e-9;
    };
    // What a label keeps off, most first: texts, plotted lines and marks,
    // and filled boxes such as bars.
    enum class Keep { Texts, Lines, Fills };
    const auto clear = [&](const Rect& box, Keep keep) {
        const auto onShape = [&](const Shape& shape) {
            if (isPlottedLine(shape)) {
                return keep >= Keep::Lines && onLine(shape, box);
            }
            if (shape.kind == Shape::Kind::Box) {
                return keep == Keep::Fills &&
                       overlap(box, {shape.points[0].x, shape.points[0].y, shape.points[1].x, shape.points[1].y});
            }
            return keep >= Keep::Lines && isMark(shape) && overlap(box, boundsOf(shape));
        };
        return std::none_of(texts.begin(), texts.end(), [&](const Rect& text) { return overlap(box, text); }) &&
               std::none_of(shapes.begin(), shapes.end(), onShape);
    };
    std::vector<Rect> preferred;
    for (const Point& corner : corners) {
        if (const Rect box{corner.x, corner.y, width, height}; within(box)) {
            preferred.push_back(box);
        }
    }
    // Then every place in the area, in steps of a quarter row, nearest the
    // first corner first: a free place with that much room to spare all
    // round is always found.
    const Point first = corners.empty() ? Point{area.left, area.top} : corners.front();
    std::vector<Rect> anywhere;
    const auto fillAnywhere = [&] {
        const double step = std::max(setter.lineHeight / 4, 1.0);
        for (double left = area.left; left + width <= area.right(); left += step) {
            for (double top = area.top; top + height <= area.bottom(); top += step) {
                anywhere.push_back({left, top, width, height});
            }
        }
        const auto distance = [&](const Rect& place) { return std::hypot(place.left - first.x, place.top - first.y); };
        std::stable_sort(anywhere.begin(), anywhere.end(),
                         [&](const Rect& a, const Rect& b) { return distance(a) < distance(b); });
    };
    Rect box{std::clamp(first.x, area.left, std::max(area.left, area.right() - width)),
             std::clamp(first.y, area.top, std::max(area.top, area.bottom() - height)), width, height};
    const bool clearOfAll = [&] {
        for (const Keep keep : {Keep::Fills, Keep::Lines, Keep::Texts}) {
            for (const bool near : {true, false}) {
                if (!near && anywhere.empty()) {
                    fillAnywhere();
                }
                const std::vector<Rect>& places = near ? preferred : anywhere;
                const auto found = std::find_if(places.begin(), places.end(), [&](const Rect& place) { return clear(place, keep); });
                if (found != places.end()) {
                    box = *found;
                    return keep == Keep::Fills;
                }
            }
        }
        return false;
    }();
    return {box, clearOfAll};
}

Rect Drawing::label(const TextSetter& setter, std::string words, const std::vector<Point>& corners, Colour colour)
{
    const auto [box, clearOfAll] = place(setter, setter.width(words), setter.lineHeight, corners);
    // A label over bars or lines stands on a tag of its own, to stay legible.
    if (!clearOfAll) {
        const double margin = setter.lineHeight / 8;
        add(Shape::Kind::Box, {{box.left - margin, box.top}, {box.width + 2 * margin, box.height}}, kLabelGround);
    }
    textAt(setter, std::move(words), {box.left, box.top}, colour);
    return box;
}

Rect Drawing::text(const TextSetter& setter, const Message& message, Point anchor, Align align, Colour colour)
{
    return text(setter, setter.text(message), anchor, align, colour);
}

}  // namespace coinwell::core
