#include "core/one_decimal.h"
#include "core/read_number.h"
#include "core/settings.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
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

// A typed setting: the number it begins with, compared with the range
// before any rounding and then rounded down; each too large would be in
// range if cut to 16 bits.
TEST(acceptEntry, TakesANumberInRangeBeforeRoundingItDown)
{
    const struct {
        std::u16string entry;
        CountRange range;
        std::optional<std::int32_t> count;
    } cases[] = {
        {u"10", kGuestRange, 10},         {u"1000", kGuestRange, 1000},    {u"1", kExperimentRange, 1},
        {u"9", kGuestRange, std::nullopt}, {u"1001", kGuestRange, std::nullopt}, {u"0", kExperimentRange, std::nullopt},
        {u"10.9", kGuestRange, 10},       {u"999.99", kExperimentRange, 999}, {u"9.99", kGuestRange, std::nullopt},
        {u"1000.4", kGuestRange, std::nullopt}, {u"0.5", kExperimentRange, std::nullopt},
        {u"65636", kGuestRange, std::nullopt}, {u"66536", kExperimentRange, std::nullopt},
        {u"   ", kGuestRange, std::nullopt}, {u"１００", kGuestRange, 100}, {u"50 runs", kExperimentRange, 50},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(acceptEntry(c.entry, c.range), c.count) << "case " << &c - cases;
    }
}

// A seed or a count given on the command line or in the page's address.
TEST(ReadWholeNumber, TakesPlainDigitsUpToTheLargest64BitNumber)
{
    const struct {
        const char* text;
        std::optional<std::uint64_t> number;
    } cases[] = {
        {"", std::nullopt}, {"0", 0}, {"007", 7},
        {"18446744073709551615", 18446744073709551615ULL}, {"18446744073709551616", std::nullopt},  // 2^64 - 1, 2^64
        {"+1", std::nullopt}, {"-1", std::nullopt}, {" 1", std::nullopt}, {"1 ", std::nullopt}, {"1e3", std::nullopt},
        {"１", std::nullopt},  // full width
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readWholeNumber(c.text), c.number) << '"' << c.text << '"';
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

// The numbers of the report and the table: exact halves, which runs of 16
// or 128 experiments and the 2^-10 steps of 10 guests often give, round
// away from zero, as they always have.
TEST(FixedDecimals, RoundsExactHalvesAwayFromZero)
{
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        {3.28125, 4, "3.2813"}, {-2.0625, 3, "-2.063"}, {3.125, 2, "3.13"}, {-0.0078125, 6, "-0.007813"},
        {9.5, 0, "10"}, {-99.995, 2, "-100.00"},  // not an exact half in binary, but carries all the way
        {2.675, 2, "2.67"},                          // just below a half in binary
        {0.0, 6, "0.000000"}, {-7.459123456, 3, "-7.459"}, {1000000.0, 4, "1000000.0000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fixedDecimals(c.value, c.decimals), c.text) << c.value << " to " << c.decimals;
    }
}

}  // namespace
}  // namespace coinwell::core
