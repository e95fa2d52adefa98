#include "platform/runtime/read_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace coinwell::platform {
namespace {

struct ReadCase {
    const char* what;
    std::u16string text;
    double number;
};

class ReadNumberTable : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTable, ReadsTheNumberTheTextBeginsWith)
{
    const ReadCase& c = GetParam();
    EXPECT_EQ(ReadNumber(c.text), c.number) << c.what;
}

const double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumberTable,
    ::testing::Values(
        ReadCase{"integer", u"250", 250},
        ReadCase{"decimal", u"10.9", 10.9},
        ReadCase{"number then words", u"25 people", 25},
        ReadCase{"a comma ends the number", u"1,000", 1},
        ReadCase{"a blank inside ends the number", u"1 000", 1},
        ReadCase{"words", u"abc", 0},
        ReadCase{"empty", u"", 0},
        ReadCase{"blanks only", u"   ", 0},
        ReadCase{"leading blanks", u"  42", 42},
        ReadCase{"leading tab", u"\t12", 12},
        ReadCase{"leading line breaks", u"\r\n 8", 8},
        ReadCase{"negative", u"-20", -20},
        ReadCase{"plus sign", u"+7", 7},
        ReadCase{"blank after the sign", u"- 5", 0},
        ReadCase{"two signs", u"+-5", 0},
        ReadCase{"sign alone", u"-", 0},
        ReadCase{"point alone", u".", 0},
        ReadCase{"sign and point", u"-.", 0},
        ReadCase{"no exponents", u"1e3", 1},
        ReadCase{"no hexadecimal", u"0x1F", 0},
        ReadCase{"leading point", u".5", 0.5},
        ReadCase{"negative leading point", u"-.5", -0.5},
        ReadCase{"trailing point", u"5.", 5},
        ReadCase{"second point ends the number", u"1.2.3", 1.2},
        ReadCase{"leading zeros", u"007", 7},
        ReadCase{"full-width digits", u"１００", 100},
        ReadCase{"ideographic blank, full-width digits", u"\u3000１０", 10},
        ReadCase{"full-width minus", u"－５", -5},
        ReadCase{"full-width plus", u"＋７", 7},
        ReadCase{"typographic minus", u"\u22123", -3},
        ReadCase{"full-width point", u"１０．５", 10.5},
        ReadCase{"mixed widths", u"1０.５", 10.5},
        ReadCase{"full-width comma ends the number", u"１，０００", 1},
        ReadCase{"other scripts' digits are not read", u"\u0663", 0},
        ReadCase{"no-break space is not a blank", u"\u00A012", 0},
        ReadCase{"control character first", u"\x01" u"12", 0},
        ReadCase{"NUL first", std::u16string(u"\0" u"5", 2), 0},
        ReadCase{"control character after", u"12\x07", 12},
        ReadCase{"NUL after", std::u16string(u"34\0" u"5", 4), 34},
        ReadCase{"lone high surrogate first", u"\xD800" u"12", 0},
        ReadCase{"lone low surrogate after", u"12\xDC00", 12},
        ReadCase{"emoji first", u"😀12", 0},
        ReadCase{"emoji after", u"12😀", 12},
        ReadCase{"largest double's neighbourhood", u"1" + std::u16string(308, u'0'), 1e308},
        ReadCase{"too large for a double", u"1" + std::u16string(309, u'0'), kInfinity},
        ReadCase{"a hundred thousand digits", std::u16string(100'000, u'9'), kInfinity},
        ReadCase{"negative, too large", u"-" + std::u16string(400, u'8') + u".5", -kInfinity},
        ReadCase{"many leading zeros", std::u16string(5000, u'0') + u"12", 12},
        ReadCase{"too small for a double", u"0." + std::u16string(400, u'0') + u"1", 0},
        ReadCase{"too small, leading point", u"." + std::u16string(400, u'0') + u"1", 0}));

TEST(ReadNumber, NeverReadsNotANumber)
{
    // Long runs of digits and points in every order end in a number.
    const std::u16string pieces[] = {u"0", u"9", u".", u"０", u"-", u" "};
    std::u16string text;
    for (int i = 0; i < 2000; ++i) {
        text += pieces[(i * 7 + i / 13) % 6];
        const double number = ReadNumber(text);
        ASSERT_FALSE(std::isnan(number)) << "length " << text.size();
    }
}

}  // namespace
}  // namespace coinwell::platform
