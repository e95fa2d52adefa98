#include "core/caption_line.h"

#include <algorithm>
#include <string_view>

namespace coinwell::core {
namespace {

// Where a line may end: after a blank, 、 or 。.
bool breaksAfter(std::string_view words, std::size_t end)
{
    const std::string_view before = words.substr(0, end);
    return before.ends_with(' ') || before.ends_with("、") || before.ends_with("。");
}

// The end of the UTF-8 character that starts at `at`.
std::size_t characterEnd(std::string_view words, std::size_t at)
{
    std::size_t end = at + 1;
    while (end < words.size() && (static_cast<unsigned char>(words[end]) & 0xC0) == 0x80) {
        ++end;
    }
    return end;
}

std::string trimmed(std::string_view line)
{
    while (line.ends_with(' ')) {
        line.remove_suffix(1);
    }
    return std::string(line);
}

}  // namespace

std::vector<std::string> wrappedLines(const std::string& words, double width, const TextSetter& setter)
{
    const std::string_view all(words);
    const auto fits = [&](std::size_t from, std::size_t to) { return setter.width(trimmed(all.substr(from, to - from))) <= width; };
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < all.size()) {
        // The furthest break that fits, else as many characters as fit (one at least).
        std::size_t end = start;
        std::size_t characters = characterEnd(all, start);
        for (std::size_t at = characterEnd(all, start); at <= all.size(); at = characterEnd(all, at)) {
            if (!fits(start, at)) {
                break;
            }
            characters = at;
            if (at == all.size() || breaksAfter(all, at)) {
                end = at;
            }
            if (at == all.size()) {
                break;
            }
        }
        if (end == start) {
            end = characters;
        }
        lines.push_back(trimmed(all.substr(start, end - start)));
        start = end;
        while (start < all.size() && all[start] == ' ') {
            ++start;
        }
    }
    return lines;
}

Drawing withCaption(Drawing picture, const Message& caption, const TextSetter& setter)
{
    const double margin = setter.lineHeight / 2;
    const Rect shown = picture.area;
    const std::vector<std::string> lines =
        wrappedLines(setter.text(caption), std::max(shown.width - 2 * margin, 1.0), setter);
    picture.area.height += margin + static_cast<double>(lines.size()) * setter.lineHeight + margin;
    double top = shown.bottom() + margin;
    for (const std::string& line : lines) {
        picture.textAt(setter, line, {shown.left + margin, top});
        top += setter.lineHeight;
    }
    return picture;
}

}  // namespace coinwell::core
