#pragma once

#include <cstdint>
#include <string_view>

namespace coinwell::platform {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The 16-colour palette of the run-time library; the program draws with
// colours 0 (black) and 9 (light blue).
constexpr Rgb QBColor(int colour)
{
    constexpr Rgb kPalette[16] = {
        {0, 0, 0},     {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
        {128, 0, 0},   {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255}, {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},   {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    };
    return kPalette[static_cast<unsigned>(colour) & 15U];
}

// A picture to draw on, in its own scale units. Lines and boxes are drawn in
// order, later ones over earlier ones; what falls outside is clipped.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Erases everything and moves the print position to (0, 0).
    virtual void Cls() = 0;

    // Lines and boxes leave the current position at their second point.
    virtual void Line(float x1, float y1, float x2, float y2, Rgb colour) = 0;

    // A rectangle with the two corners given, filled with its colour.
    virtual void Box(float x1, float y1, float x2, float y2, Rgb colour) = 0;

    virtual void SetCurrentX(float x) = 0;
    virtual void SetCurrentY(float y) = 0;
    virtual float CurrentX() const = 0;
    virtual float CurrentY() const = 0;

    // Draws UTF-8 text with its top-left corner at the print position, then
    // moves the position to x = 0, one text line down. An empty text only
    // moves the position.
    virtual void Print(std::string_view text) = 0;

    // The width of the text in the picture's font, in scale units.
    virtual float TextWidth(std::string_view text) const = 0;
};

}  // namespace coinwell::platform
