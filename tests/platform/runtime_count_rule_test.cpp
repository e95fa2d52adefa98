#include "main_window/count_rule.h"
#include "platform/runtime/read_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace coinwell::main_window {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct CountCase {
    double number;
    int lowerBound;
    std::optional<std::int16_t> count;
};

TEST(AcceptCount, AcceptsFromTheLowerBoundTo1000AndRoundsDown)
{
    const CountCase cases[] = {
        {10, 10, 10},
        {1000, 10, 1000},
        {10.9, 10, 10},
        {999.999, 10, 999},
        {250, 10, 250},
        {9, 10, std::nullopt},
        {9.99, 10, std::nullopt},  // compared before rounding
        {std::nextafter(10.0, 0.0), 10, std::nullopt},
        {1001, 10, std::nullopt},
        {1000.4, 10, std::nullopt},
        {std::nextafter(1000.0, 2000.0), 10, std::nullopt},
        {-20, 10, std::nullopt},
        {40000, 10, std::nullopt},  // beyond a 16-bit count
        {-40000, 10, std::nullopt},
        {kNaN, 10, std::nullopt},
        {kInfinity, 10, std::nullopt},
        {-kInfinity, 10, std::nullopt},
        {1, 1, 1},
        {1.5, 1, 1},
        {1000, 1, 1000},
        {0, 1, std::nullopt},
        {0.999, 1, std::nullopt},
        {-0.0, 1, std::nullopt},
        {kNaN, 1, std::nullopt},
    };
    for (const CountCase& c : cases) {
        EXPECT_EQ(AcceptCount(c.number, c.lowerBound), c.count)
            << "number " << c.number << ", lower bound " << c.lowerBound;
    }
}

// What the settings fields do with a typed text: read it, then accept it.
TEST(AcceptCount, TypedTextsBecomeCounts)
{
    const struct {
        std::u16string text;
        int lowerBound;
        std::optional<std::int16_t> count;
    } cases[] = {
        {u"25 people", 10, 25},
        {u"１０００", 10, 1000},
        {u"\u3000１０", 10, 10},
        {u"1,000", 10, std::nullopt},  // reads as 1
        {u"1,000", 1, 1},
        {u"1e3", 10, std::nullopt},
        {u"abc", 1, std::nullopt},
        {u"", 1, std::nullopt},
        {std::u16string(100'000, u'9'), 10, std::nullopt},
        {u"－５", 1, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AcceptCount(platform::ReadNumber(c.text), c.lowerBound), c.count)
            << "text of " << c.text.size() << " characters, lower bound " << c.lowerBound;
    }
}

}  // namespace
}  // namespace coinwell::main_window
