#pragma once

#include "core/message.h"

namespace coinwell::core {

// The help window's text, one printed line a line, in UTF-8; the window sets
// one empty line above it. Indentation is made of ideographic spaces
// (U+3000): one before a section heading, five before the first line of a
// paragraph and four before the lines that carry it on. Lines are broken
// where they were broken when the text was written, and the text is kept word
// for word, slips and trailing blanks included. A translation brings its own
// lines, broken to fit the help area at the designed size.
inline constexpr Phrase kHelpText = phrase(
    "coinwell::HelpTextView",
    "　【Problem】\n"
    "　　　　　Do you ever serve as secretary of a class meeting ?\n"
    "　　　　　Think about it as if you were the secretary.\n"
    "　　　　　Suppose that the number of participants in the class meeting is 35 and the \n"
    "　　　　membership fee is 3500 yen.\n"
    "　　　　　It is also assumed that there are only two types of participants : those who need\n"
    "　　　　change with four 1000 yen bills and those who don't need change with three 1000 \n"
    "　　　　yen bills and one 500 yen coin.\n"
    "　　　　　Membership fees are collected in order from those who aarrive at venue , and those\n"
    "　　　　who need change are given 500 yen coin at that time and on the spot.\n"
    "　　　　　However , based on experience , it is assumed that the ratio of those who need \n"
    "　　　　change and those who don't need change is half and half.\n"
    "　　　　　Now , as the secretary , how many 500 yen coins should you prepare for change ?\n"
    "　【Concept of experiment】\n"
    "　　　　　The ratio of those who need change and those who don't need change is 50/50 , \n"
    "　　　　so suppose you toss a coin and if heads come up , someone who doesn't need \n"
    "　　　　change will come. And suppose a coin is tossed , and if tails come out , someone who\n"
    "　　　　needs change will come.\n"
    "　　　　　In other wards , if heads come up , 3000 yen and 500 yen will be paid out , \n"
    "　　　　so the number of 500 yen coins will increase by one.\n"
    "　　　　　Also , if tails come out , 4000 yen bills will be paid , so change will be required , \n"
    "　　　　and one 500 yen coin will be lost.\n"
    "　【Operation method】\n"
    "　　　　■Supecify the number of guests (number of participants in the class meeting) and\n"
    "　　　　the number of experiments. Then , the relationship between the insufficient number of\n"
    "　　　　coins (the number of 500 yen coins prepared by the secretary) and the number of \n"
    "　　　　experiments is displayed in a frequency distribution graph.\n"
    "　　　　　In windows for setting the number of guests and for setting the number of \n"
    "　　　　experiments , enter integers and click the [OK] button.\n"
    "　　　　　Click the [Start] button to display the frequency distribution graph.\n"
    "　　　　　By clicking the [Init] button , the graph is cleared and the experiment can be \n"
    "　　　　restarted from the beginning.");

}  // namespace coinwell::core
