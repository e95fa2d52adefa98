#include "core/tally_sheet.h"

#include "core/caption_line.h"
#include "core/settings.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace coinwell::core {

Drawing tallySheet(const Rect& page, int guests, const TextSetter& setter)
{
    guests = guestsArriving(guests);
    Drawing sheet{page, {}};
    const double line = setter.lineHeight;
    if (!(page.width > 4 * line && page.height > 8 * line)) {
        return sheet;
    }
    // Lines at the edges are kept whole.
    const double left = page.left + line / 8;
    const double width = page.width - line / 4;
    double top = page.top;
    sheet.textAt(setter, setter.text(say(phrase("coinwell::sheet", "Coinwell tally sheet: meetings of %1 guests"), {number(guests)})),
                 {left, top});
    top += 1.5 * line;
    const Message paragraphs[] = {
        say(phrase("coinwell::sheet", "Each guest of a class meeting pays 3500 yen: three 1000-yen bills and a 500-yen coin, "
                                      "or four 1000-yen bills and a 500-yen coin back as change. How many 500-yen coins "
                                      "must the secretary have ready?")),
        say(phrase("coinwell::sheet", "For each guest in turn toss a coin and write H (heads: the guest pays with a coin, "
                                      "the box gains one) or T (tails: the guest takes a coin as change). Count the "
                                      "balance from 0 and write the lowest it reaches after any guest.")),
        say(phrase("coinwell::sheet", "Then type the lowest balances, or the rows of H and T, into \"Enter the class's "
                                      "meetings...\".")),
    };
    for (const Message& paragraph : paragraphs) {
        for (const std::string& words : wrappedLines(setter.text(paragraph), width, setter)) {
            sheet.textAt(setter, words, {left, top});
            top += line;
        }
        top += line / 3;
    }
    top += line / 2;

    // Columns: the meeting's number, the guests' boxes, its lowest balance.
    const std::string lowestHeading = setter.text(say(phrase("coinwell::sheet", "lowest")));
    const double numberWidth = std::max(setter.width("000"), setter.width(setter.text(say(phrase("coinwell::sheet", "no.")))));
    const double lowestWidth = std::max(setter.width(lowestHeading), 4 * setter.digitWidth) + line / 2;
    const double boxesLeft = left + numberWidth + line / 2;
    const double boxesWidth = width - (boxesLeft - left) - lowestWidth - line / 2;
    const double lowestLeft = left + width - lowestWidth;
    // Boxes a line and a half wide, smaller only as far as one meeting of
    // many guests needs to fit under the headings.
    const double room = page.bottom() - top - 1.25 * line;
    double box = 1.5 * line;
    int perRow = 1;
    int rows = guests;
    for (; box > line / 4; box *= 0.95) {
        perRow = std::max(1, static_cast<int>(std::floor(boxesWidth / box)));
        rows = (guests + perRow - 1) / perRow;
        if (rows * box + box / 2 <= room) {
            break;
        }
    }

    sheet.textAt(setter, setter.text(say(phrase("coinwell::sheet", "no."))), {left, top});
    sheet.textAt(setter, setter.text(say(phrase("coinwell::sheet", "H or T for each guest, from the left"))), {boxesLeft, top});
    sheet.textAt(setter, lowestHeading, {lowestLeft, top});
    top += line * 1.25;

    const double meetingHeight = rows * box + box / 2;
    const int meetings = std::max(1, static_cast<int>(std::floor((page.bottom() - top + box / 2) / meetingHeight)));
    std::vector<Point> lines;
    const auto segment = [&](Point a, Point b) {
        lines.push_back(a);
        lines.push_back(b);
    };
    for (int meeting = 0; meeting < meetings; ++meeting) {
        const double meetingTop = top + meeting * meetingHeight;
        sheet.textAt(setter, std::to_string(meeting + 1), {left, meetingTop + (box - line) / 2});
        for (int row = 0; row < rows; ++row) {
            const int boxes = std::min(perRow, guests - row * perRow);
            const double rowTop = meetingTop + row * box;
            const double right = boxesLeft + boxes * box;
            segment({boxesLeft, rowTop}, {right, rowTop});
            segment({boxesLeft, rowTop + box}, {right, rowTop + box});
            for (int edge = 0; edge <= boxes; ++edge) {
                segment({boxesLeft + edge * box, rowTop}, {boxesLeft + edge * box, rowTop + box});
            }
        }
        const Rect lowest{lowestLeft, meetingTop, lowestWidth, box};
        segment({lowest.left, lowest.top}, {lowest.right(), lowest.top});
        segment({lowest.left, lowest.bottom()}, {lowest.right(), lowest.bottom()});
        segment({lowest.left, lowest.top}, {lowest.left, lowest.bottom()});
        segment({lowest.right(), lowest.top}, {lowest.right(), lowest.bottom()});
    }
    Shape& grid = sheet.add(Shape::Kind::Segments, std::move(lines), kFrameColour);
    grid.crisp = true;
    return sheet;
}

}  // namespace coinwell::core
