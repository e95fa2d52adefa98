#pragma once

#include "core/graph_geometry.h"

#include <optional>
#include <string>
#include <vector>

// A picture as plain shapes in the area's units, for views that need no
// painter of their own: each front end paints every Drawing the same way,
// smoothed, in the order fills, strokes, dots, texts.
namespace coinwell::core {

struct Stroke {
    std::vector<Point> points;  // a path through them
    Colour colour;
    double width = 0.0;  // 0: one device pixel, whatever the scale
    bool dashed = false;
};

struct Fill {
    std::vector<Point> polygon;
    Colour colour;
};

struct Dot {
    Point centre;
    double radius = 0.0;
    Colour colour;
    bool filled = true;  // else a ring one device pixel wide
};

enum class Align { Left, Centre, Right };

// A text whose top stands at anchor.y and whose left end, middle or right
// end at anchor.x; the front end measures it, aligns it and moves it only as
// far as needed to lie within the drawing's area. Without a colour it takes
// the front end's colour for texts.
struct DrawnText {
    std::string text;
    Point anchor;
    Align align = Align::Left;
    std::optional<Colour> colour;
};

struct Drawing {
    Rect area;
    std::vector<Fill> fills;
    std::vector<Stroke> strokes;
    std::vector<Dot> dots;
    std::vector<DrawnText> texts;
};

// What the front end's font tells a view's layout, in the area's units: a
// text line's height and the width of one digit (numbers are set in digits
// of one width, a minus sign counted as one).
struct TextMetrics {
    double lineHeight = 0.0;
    double digitWidth = 0.0;
};

}  // namespace coinwell::core
