#pragma once

#include "core/message.h"

#include <string>
#include <utility>
#include <vector>

// Every picture of the graph area as plain shapes in the area's units, in
// the order they are painted, for each front end to paint with one painter.
// Texts come translated and placed, measured through the front end's
// TextSetter as the picture is made.
namespace coinwell::core {

struct Point {
    double x = 0.0;
    double y = 0.0;
};

struct Rect {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Colour&) const = default;
};

// The front end's colour for texts: the palette's on screen, black on paper.
inline constexpr Colour kTextColour{-1, -1, -1};
inline constexpr Colour kFrameColour{0, 0, 0};
inline constexpr Colour kBarColour{0, 0, 255};
// The exact law's orange stays apart from the blue bars and the black frame,
// also on a washed-out projector.
inline constexpr Colour kExactColour{230, 90, 0};
// The coins to have ready stand in dark green, apart from all three.
inline constexpr Colour kReadyColour{0, 110, 40};
inline constexpr Colour kCoverageColour{140, 30, 150};
// The meetings a class held with real coins, apart from every other colour.
inline constexpr Colour kClassColour{200, 0, 110};
// A run's average with its interval, darker than its bars.
inline constexpr Colour kIntervalColour{0, 0, 130};
inline constexpr Colour kGridColour{190, 190, 190};
inline constexpr Colour kReferenceColour{90, 90, 90};
// The tag under a label that found no place clear of bars and lines.
inline constexpr Colour kLabelGround{255, 255, 255};

struct Shape {
    enum class Kind {
        Path,      // a line through the points
        Segments,  // a line from each point of a pair to the other
        Polygon,   // filled
        Box,       // filled, from its top left corner (the first point) as wide and high as the second says
        Dot,       // a filled circle round the point
        Ring,      // a circle one device pixel wide round the point
        Text,      // from the left end of its base line on
    };
    Kind kind = Kind::Path;
    std::vector<Point> points;
    Colour colour;
    double size = 0.0;    // a line's width (0: one device pixel); a circle's radius
    bool dashed = false;  // four widths on, two off
    // On the device's pixel grid and unsmoothed, for the histogram's frame
    // and bars to stay sharp at any scale.
    bool crisp = false;
    bool round = false;  // round caps and joins
    std::string text;
};

// How texts are set where the picture is shown: translated, and measured in
// the area's units.
class TextSetter {
public:
    virtual ~TextSetter() = default;
    virtual std::string text(const Message& message) const = 0;
    virtual double width(const std::string& text) const = 0;
    double lineHeight = 0.0;
    double ascent = 0.0;
    // Numbers are set in digits of one width, a minus sign counted as one.
    double digitWidth = 0.0;
};

enum class Align { Left, Centre, Right };

struct Drawing {
    Rect area;
    std::vector<Shape> shapes;

    // A shape of any kind, for its flags to be set.
    Shape& add(Shape::Kind kind, std::vector<Point> points, Colour colour, double size = 0.0);
    void path(std::vector<Point> points, Colour colour, double width = 0.0, bool dashed = false);
    // A text whose top stands at anchor.y and whose left end, middle or right
    // end at anchor.x, moved only as far as needed to lie within the area;
    // the box it takes.
    Rect text(const TextSetter& setter, const std::string& text, Point anchor, Align align = Align::Left,
              Colour colour = kTextColour);
    Rect text(const TextSetter& setter, const Message& message, Point anchor, Align align = Align::Left,
              Colour colour = kTextColour);
    // Fills first, then lines, circles and texts, each in the order drawn:
    // the charts' texts stay readable over their lines.
    void layer();
    // A text set from `topLeft` on, where its layout put it.
    void textAt(const TextSetter& setter, std::string words, Point topLeft, Colour colour = kTextColour);
    // A label set at the first of `corners` (top left corners, best first)
    // where it lies within the area clear of every text, plotted line, mark
    // and filled box drawn before it, else at the nearest such place to the
    // first corner; failing that, clear of all but the filled boxes, then of
    // the texts alone; failing that, at the first corner moved within the
    // area, on a tag of its own wherever it covers bars or lines. The box it
    // takes.
    Rect label(const TextSetter& setter, std::string words, const std::vector<Point>& corners,
               Colour colour = kTextColour);
    // The place `label` would find for a box `width` by `height`, and
    // whether it is clear of the filled boxes too.
    std::pair<Rect, bool> place(const TextSetter& setter, double width, double height,
                                const std::vector<Point>& corners) const;
    // The boxes of the texts drawn so far.
    std::vector<Rect> textBoxes(const TextSetter& setter) const;
};

// A plotted line: a path or segments in any colour but the frame's and the
// grid's, which labels keep off.
bool isPlottedLine(const Shape& shape);

// Whether two boxes share more than an edge.
bool overlap(const Rect& a, const Rect& b);

}  // namespace coinwell::core
