#include "core/drawing.h"

#include <algorithm>

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

Rect Drawing::text(const TextSetter& setter, const Message& message, Point anchor, Align align, Colour colour)
{
    return text(setter, setter.text(message), anchor, align, colour);
}

}  // namespace coinwell::core
