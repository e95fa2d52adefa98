// Arbitrary UTF-16 text into readNumber, and what it reads into acceptCount.
#include "core/settings.h"
#include "core/read_number.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

bool same(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool isDigit(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'\uFF10' && c <= u'\uFF19');
}

int digitValue(char16_t c)
{
    return c <= u'9' ? c - u'0' : c - u'\uFF10';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Two bytes a code unit, little-endian; an odd last byte is dropped.
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }

    using coinwell::core::acceptCount;
    using coinwell::core::readNumber;

    const double number = readNumber(text);
    check(!std::isnan(number), "a text reads as NaN");
    if (!text.empty() && isDigit(text[0])) {
        check(number >= digitValue(text[0]), "a number is smaller than its first digit");
    }
    // A character that cannot continue a number changes nothing after the
    // text, and blanks change nothing before it.
    check(same(readNumber(text + u"x"), number), "a letter after the text changes the number");
    check(same(readNumber(u" \u3000\t" + text), number), "blanks before the text change the number");

    for (const coinwell::core::CountRange range : {coinwell::core::kGuestRange, coinwell::core::kExperimentRange}) {
        const auto count = acceptCount(number, range);
        const bool inRange = number >= range.lowest && number <= range.highest;
        check(count.has_value() == inRange, "accepted a number outside the bounds, or refused one inside");
        if (count) {
            check(*count >= range.lowest && *count <= range.highest, "an accepted count is out of bounds");
            check(*count <= number && number < *count + 1, "an accepted count is not rounded down");
        }
    }
    return 0;
}
