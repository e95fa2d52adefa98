#include "graph/graph_frame.h"

namespace coinwell::graph {
namespace {

struct Caption {
    float x;
    float y;
    const char* text;
};

constexpr Caption kCaptions[] = {
    {5, 7, "（Vertical axis : Number of experiments）"},
    {93, 7, "（Horizontal axis : Shortage）"},
    // Labels of the vertical axis, 3 units above the solid row each names.
    {5, 27, "250"},
    {5, 77, "200"},
    {5, 127, "150"},
    {5, 177, "100"},
    {5, 227, "50"},
};

}  // namespace

void DrawFrame(platform::DrawingSurface& picture)
{
    const platform::Rgb black = platform::QBColor(0);

    picture.Line(3, kBaseLineY, 127, kBaseLineY, black);
    for (int x = 10; x <= 120; x += 10) {
        picture.Line(x, 278, x, 285, black);
    }

    picture.Line(3, kBaseLineY, 3, 10, black);
    for (int y = 280; y >= 20; y -= 10) {
        picture.Line(2, y, 4, y, black);
    }

    for (int y = 270; y >= 30; y -= 10) {
        for (int x = 11; x <= 127; x += 2) {
            picture.Line(x, y, x + 1, y, black);
        }
    }
    for (int y = 230; y >= 30; y -= 50) {
        picture.Line(11, y, 127, y, black);
    }

    for (const Caption& caption : kCaptions) {
        picture.SetCurrentX(caption.x);
        picture.SetCurrentY(caption.y);
        picture.Print(caption.text);
    }
}

}  // namespace coinwell::graph
