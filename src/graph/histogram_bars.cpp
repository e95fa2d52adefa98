#include "graph/histogram_bars.h"

#include "graph/graph_frame.h"

#include <cstddef>

namespace coinwell::graph {
namespace {

constexpr float kFirstTickX = 10.0F;
constexpr float kTickSpacing = 10.0F;

// Prints each number of the label row centred under its own tick. Spacing
// the numbers by the row's blanks would only land them right in the one font
// the row was laid out for.
void PrintShortageLabels(platform::DrawingSurface& picture)
{
    const float rowY = picture.CurrentY();
    float tickX = kFirstTickX;
    std::size_t pos = kShortageLabelRow.find_first_not_of(' ');
    while (pos != std::string_view::npos) {
        const std::size_t end = kShortageLabelRow.find(' ', pos);
        const std::string_view number = kShortageLabelRow.substr(pos, end - pos);
        picture.SetCurrentX(tickX - picture.TextWidth(number) / 2.0F);
        picture.SetCurrentY(rowY);
        picture.Print(number);
        tickX += kTickSpacing;
        pos = kShortageLabelRow.find_first_not_of(' ', end);
    }
}

}  // namespace

void DrawBars(platform::DrawingSurface& picture, const engine::Tally& tally)
{
    const platform::Rgb lightBlue = platform::QBColor(9);
    for (int bin = 0; bin < engine::Tally::kBinCount; ++bin) {
        const float left = 5.0F + static_cast<float>(bin);
        const float top = static_cast<float>(280 - tally.Bins[static_cast<std::size_t>(bin)]);
        picture.Box(left, kBaseLineY, left + 1.0F, top, lightBlue);
    }
    picture.Print("");
    PrintShortageLabels(picture);
}

}  // namespace coinwell::graph
