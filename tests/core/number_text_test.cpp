#include "core/one_decimal.h"
#include "core/read_number.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace coinwell::core {
namespace {

TEST(ReadNumber, ReadsTheNumberTheTextBeginsWith)
{
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const struct {
        const char* what;
        std::u16string text;
        double number;
    } cases[] = {
        {"a comma ends the number", u"1,000", 1},
        {"no exponents", u"1e3", 1},
        {"leading point", u"-.5", -0.5},
        {"words", u"abc", 0},
        {"leading blanks, tab and line breaks", u" \t\r\n42", 42},
        {"blank after the sign", u"- 5", 0},
        {"two signs", u"+-5", 0},
        {"full-width minus and point", u"－１０．５", -10.5},
        {"typographic minus", u"\u22123", -3},
        {"a hundred thousand digits", std::u16string(100'000, u'9'), kInfinity},
        {"negative, too large", u"-" + std::u16string(400, u'8') + u".5", -kInfinity},
        {"many leading zeros", std::u16string(5000, u'0') + u"12", 12},
        {"too small for a double", u"0." + std::u16string(400, u'0') + u"1", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readNumber(c.text), c.number) << c.what;
    }
}

TEST(FormatOneDecimal, WritesThePattern)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {-7.0, "-7.0"}, {1.0, "1.0"}, {-1000.0, "-1000.0"},
        {0.0, ".0"}, {-0.0, ".0"}, {-0.001, ".0"},  // no integer part of 0, no sign on zero
        {0.5, ".5"}, {-0.5, "-.5"}, {-12.34F, "-12.3"},  // the average arrives as a float
        {0.25, ".3"}, {-0.25, "-.3"},  // halves round away from zero
        {9.96, "10.0"}, {0.96, "1.0"},  // the rounding carries into the integer part
        {-123456.7, "-123456.7"},  // wider than the pattern: every digit kept
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatOneDecimal(c.value), c.text) << "value " << c.value;
    }
}

}  // namespace
}  // namespace coinwell::core
