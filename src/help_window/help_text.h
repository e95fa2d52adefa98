#pragma once

#include <array>
#include <string_view>

namespace coinwell {

// The help window's text, one entry a printed line, in UTF-8. Indentation is
// made of ideographic spaces (U+3000): one before a section heading, five
// before the first line of a paragraph and four before the lines that carry
// it on. Lines are broken where they were broken when the text was written,
// and the text is kept word for word, slips and trailing blanks included.
inline constexpr std::array<std::string_view, 32> kHelpLines{
    "　【Problem】",
    "　　　　　Do you ever serve as secretary of a class meeting ?",
    "　　　　　Think about it as if you were the secretary.",
    "　　　　　Suppose that the number of participants in the class meeting is 35 and the ",
    "　　　　membership fee is 3500 yen.",
    "　　　　　It is also assumed that there are only two types of participants : those who need",
    "　　　　change with four 1000 yen bills and those who don't need change with three 1000 ",
    "　　　　yen bills and one 500 yen coin.",
    "　　　　　Membership fees are collected in order from those who aarrive at venue , and those",
    "　　　　who need change are given 500 yen coin at that time and on the spot.",
    "　　　　　However , based on experience , it is assumed that the ratio of those who need ",
    "　　　　change and those who don't need change is half and half.",
    "　　　　　Now , as the secretary , how many 500 yen coins should you prepare for change ?",
    "　【Concept of experiment】",
    "　　　　　The ratio of those who need change and those who don't need change is 50/50 , ",
    "　　　　so suppose you toss a coin and if heads come up , someone who doesn't need ",
    "　　　　change will come. And suppose a coin is tossed , and if tails come out , someone who",
    "　　　　needs change will come.",
    "　　　　　In other wards , if heads come up , 3000 yen and 500 yen will be paid out , ",
    "　　　　so the number of 500 yen coins will increase by one.",
    "　　　　　Also , if tails come out , 4000 yen bills will be paid , so change will be required , ",
    "　　　　and one 500 yen coin will be lost.",
    "　【Operation method】",
    "　　　　■Supecify the number of guests (number of participants in the class meeting) and",
    "　　　　the number of experiments. Then , the relationship between the insufficient number of",
    "　　　　coins (the number of 500 yen coins prepared by the secretary) and the number of ",
    "　　　　experiments is displayed in a frequency distribution graph.",
    "　　　　　In windows for setting the number of guests and for setting the number of ",
    "　　　　experiments , enter integers and click the [OK] button.",
    "　　　　　Click the [Start] button to display the frequency distribution graph.",
    "　　　　　By clicking the [Init] button , the graph is cleared and the experiment can be ",
    "　　　　restarted from the beginning.",
};

}  // namespace coinwell
