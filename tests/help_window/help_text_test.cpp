#include "help_window/help_text.h"

#include <gtest/gtest.h>

#include <set>

namespace coinwell {
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
    for (int number = 1; number <= static_cast<int>(kHelpLines.size()); ++number) {
        std::string_view line = kHelpLines[static_cast<std::size_t>(number - 1)];
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

}  // namespace
}  // namespace coinwell
