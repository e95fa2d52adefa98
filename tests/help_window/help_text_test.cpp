#include "help_window/help_text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace coinwell::help_window {
namespace {

constexpr std::string_view kIdeographicSpace = "\u3000";

// Line numbers count from 1, as the text is read: section headings are
// indented by one ideographic space, first lines of paragraphs by five, the
// rest by four; only the listed lines end in a single ordinary blank.
const std::set<int> kHeadings{1, 14, 23};
const std::set<int> kParagraphStarts{2, 3, 4, 6, 9, 11, 13, 15, 19, 21, 28, 30, 31};
const std::set<int> kTrailingBlank{4, 7, 11, 15, 16, 19, 21, 26, 28, 31};

TEST(HelpText, IndentationAndTrailingBlanksFollowTheLineKind)
{
    for (int number = 1; number <= static_cast<int>(kHelpText.size()); ++number) {
        std::string_view line = kHelpText[static_cast<std::size_t>(number - 1)];
        int indent = 0;
        for (; line.starts_with(kIdeographicSpace); ++indent) {
            line.remove_prefix(kIdeographicSpace.size());
        }
        const int expected = kHeadings.contains(number) ? 1 : kParagraphStarts.contains(number) ? 5 : 4;
        EXPECT_EQ(indent, expected) << "line " << number << ": " << line;
        EXPECT_FALSE(line.empty() || line.starts_with(' ')) << "line " << number;
        EXPECT_EQ(line.ends_with(' '), kTrailingBlank.contains(number)) << "line " << number << ": [" << line << "]";
        EXPECT_FALSE(line.ends_with("  ")) << "line " << number;
    }
}

// Records the clearing and the printing done on it, in order.
class RecordingSurface final : public platform::DrawingSurface {
public:
    void Cls() override { calls.emplace_back("Cls"); }
    void Line(float, float, float, float, platform::Rgb) override { calls.emplace_back("Line"); }
    void Box(float, float, float, float, platform::Rgb) override { calls.emplace_back("Box"); }
    void SetCurrentX(float) override { calls.emplace_back("SetCurrentX"); }
    void SetCurrentY(float) override { calls.emplace_back("SetCurrentY"); }
    float CurrentX() const override { return 0.0F; }
    float CurrentY() const override { return 0.0F; }
    void Print(std::string_view text) override { calls.push_back("Print:" + std::string(text)); }
    float TextWidth(std::string_view) const override { return 0.0F; }

    std::vector<std::string> calls;
};

TEST(HelpText, PrintsAfterClearingAndOneEmptyLine)
{
    RecordingSurface surface;
    PrintHelpText(surface);

    std::vector<std::string> expected{"Cls", "Print:"};
    for (const std::string_view line : kHelpText) {
        expected.push_back("Print:" + std::string(line));
    }
    EXPECT_EQ(surface.calls, expected);
}

}  // namespace
}  // namespace coinwell::help_window
