#include "help_window/help_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace coinwell::help_window {
namespace {

constexpr std::string_view kIdeographicSpace = "\u3000";

int LeadingIdeographicSpaces(std::string_view line)
{
    int count = 0;
    while (line.starts_with(kIdeographicSpace)) {
        line.remove_prefix(kIdeographicSpace.size());
        ++count;
    }
    return count;
}

// Line numbers count from 1, as the text is read.
const std::set<int> kHeadings{1, 14, 23};
const std::set<int> kParagraphStarts{2, 3, 4, 6, 9, 11, 13, 15, 19, 21, 28, 30, 31};
const std::set<int> kTrailingBlank{4, 7, 11, 15, 16, 19, 21, 26, 28, 31};

TEST(HelpText, IndentationMarksHeadingsParagraphsAndContinuations)
{
    for (int number = 1; number <= static_cast<int>(kHelpText.size()); ++number) {
        const std::string_view line = kHelpText[static_cast<std::size_t>(number - 1)];
        const int expected = kHeadings.contains(number)           ? 1
                             : kParagraphStarts.contains(number) ? 5
                                                                 : 4;
        EXPECT_EQ(LeadingIdeographicSpaces(line), expected) << "line " << number << ": " << line;

        // The indentation is ideographic spaces only, never mixed with
        // ordinary blanks, and a line has text after it.
        std::string_view rest = line.substr(static_cast<std::size_t>(expected) * kIdeographicSpace.size());
        EXPECT_FALSE(rest.empty()) << "line " << number;
        EXPECT_FALSE(rest.starts_with(' ')) << "line " << number;
    }
}

TEST(HelpText, SectionsAreHeadedInBrackets)
{
    std::vector<int> bracketed;
    for (int number = 1; number <= static_cast<int>(kHelpText.size()); ++number) {
        const std::string_view line = kHelpText[static_cast<std::size_t>(number - 1)];
        if (line.find("【") != std::string_view::npos) {
            bracketed.push_back(number);
            EXPECT_TRUE(line.ends_with("】")) << "line " << number;
        }
    }
    EXPECT_THAT(bracketed, ::testing::ElementsAre(1, 14, 23));
}

TEST(HelpText, ExactlyTheListedLinesEndInOneBlank)
{
    for (int number = 1; number <= static_cast<int>(kHelpText.size()); ++number) {
        const std::string_view line = kHelpText[static_cast<std::size_t>(number - 1)];
        const bool blank = line.ends_with(' ');
        EXPECT_EQ(blank, kTrailingBlank.contains(number)) << "line " << number << ": [" << line << "]";
        EXPECT_FALSE(line.ends_with("  ")) << "line " << number;
        EXPECT_FALSE(line.ends_with(kIdeographicSpace)) << "line " << number;
        EXPECT_EQ(line.find_first_of("\t\r\n"), std::string_view::npos) << "line " << number;
    }
}

// Records what is drawn on it, in order.
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
