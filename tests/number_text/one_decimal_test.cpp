#include "number_text/one_decimal.h"

#include <gtest/gtest.h>

namespace coinwell::number_text {
namespace {

TEST(formatOneDecimal, WritesThePattern)
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
}  // namespace coinwell::number_text
