#include "core/read_number.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <limits>
#include <string>

namespace coinwell::core {
namespace {

constexpr char16_t kIdeographicSpace = u'\u3000';
constexpr char16_t kFullWidthOffset = u'\uFEE0';  // U+FF01..FF5E mirror ASCII 0x21..0x7E

// Folds a full-width ASCII variant to its ASCII character.
char16_t narrow(char16_t c)
{
    if (c >= u'\uFF01' && c <= u'\uFF5E') {
        return static_cast<char16_t>(c - kFullWidthOffset);
    }
    if (c == u'\u2212') {  // the typographic minus sign
        return u'-';
    }
    return c;
}

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == kIdeographicSpace;
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Reads digits with at most one point, correctly rounded.
std::errc readDecimal(const std::string& digits, double& magnitude)
{
#if defined(__EMSCRIPTEN__)
    // The browser's C++ library has no from_chars for doubles. Its strtod
    // rounds the same, and a page never leaves the "C" locale, whose point
    // is the one read here.
    errno = 0;
    magnitude = std::strtod(digits.c_str(), nullptr);
    return errno == ERANGE ? std::errc::result_out_of_range : std::errc();
#else
    return std::from_chars(digits.data(), digits.data() + digits.size(), magnitude).ec;
#endif
}

}  // namespace

double readNumber(std::u16string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }

    bool negative = false;
    if (i < text.size() && (narrow(text[i]) == u'+' || narrow(text[i]) == u'-')) {
        negative = narrow(text[i]) == u'-';
        ++i;
    }

    std::string digits;
    bool seenPoint = false;
    bool seenDigit = false;
    for (; i < text.size(); ++i) {
        const char16_t c = narrow(text[i]);
        if (isDigit(c)) {
            digits += static_cast<char>(c);
            seenDigit = true;
        } else if (c == u'.' && !seenPoint) {
            digits += '.';
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit) {
        return 0.0;
    }

    double magnitude = 0.0;
    if (readDecimal(digits, magnitude) == std::errc::result_out_of_range) {
        // Too many digits for a double: the magnitude is either huge or tiny.
        const bool huge = digits.find_first_not_of("0.") < digits.find('.');
        magnitude = huge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

std::optional<std::uint64_t> readWholeNumber(std::string_view text)
{
    // An unsigned number takes neither sign; a blank or any other character
    // stops it short of the end.
    std::uint64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() ? std::optional(number) : std::nullopt;
}

}  // namespace coinwell::core
