#include "platform/runtime/number_format.h"

#include <gtest/gtest.h>

#include <string>

namespace coinwell::platform {
namespace {

struct FormatCase {
    double value;
    const char* text;
};

TEST(FormatOneDecimal, WritesThePattern)
{
    const FormatCase cases[] = {
        {-7.0, "-7.0"},
        {1.0, "1.0"},
        {0.0, ".0"},          // an integer part of 0 is left out
        {-0.0, ".0"},
        {-0.5, "-.5"},
        {0.5, ".5"},
        {-12.34F, "-12.3"},   // the average arrives as a float
        {-0.25, "-.3"},       // halves round away from zero
        {0.25, ".3"},
        {-1.25, "-1.3"},
        {1.35, "1.4"},
        {-0.001, ".0"},       // rounds to zero: no sign
        {-0.049, ".0"},
        {-0.05F, "-.1"},
        {0.05F, ".1"},
        {0.04F, ".0"},
        {9.96, "10.0"},       // the rounding carries into the integer part
        {-9.96, "-10.0"},
        {0.96, "1.0"},
        {-1000.0, "-1000.0"},
        {-999.94F, "-999.9"},
        {12345.6, "12345.6"},
        {-123456.7, "-123456.7"},  // wider than the pattern: every digit kept
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatOneDecimal(c.value), c.text) << "value " << c.value;
    }
}

TEST(FormatOneDecimal, EveryAverageOfAThousandExperimentsReadsBack)
{
    // Sums of -1000000..1000 over 1000 experiments: each shown average,
    // read back, lies within half a tenth of the real one.
    for (int sum = -1'000'000; sum <= 1000; sum += 997) {
        const auto average = static_cast<float>(sum / 1000.0);
        const std::string text = FormatOneDecimal(average);
        ASSERT_EQ(text.find_first_not_of("-0123456789."), std::string::npos) << text;
        ASSERT_EQ(text.size() - text.find('.'), 2U) << text;
        EXPECT_NEAR(std::stod(text), average, 0.05 + 1e-4) << text;
        EXPECT_NE(text.substr(0, 2), "0.") << text;
        EXPECT_NE(text.substr(0, 3), "-0.") << text;
    }
}

}  // namespace
}  // namespace coinwell::platform
