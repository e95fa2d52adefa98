#include "engine/count_rule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace coinwell::engine {
namespace {

// From the lower bound to 1000, compared before rounding down.
TEST(AcceptCount, AcceptsFromTheLowerBoundTo1000AndRoundsDown)
{
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const struct {
        double number;
        int lowerBound;
        std::optional<std::int16_t> count;
    } cases[] = {
        {10, 10, 10}, {10.9, 10, 10}, {999.999, 10, 999}, {1000, 10, 1000},
        {std::nextafter(10.0, 0.0), 10, std::nullopt},  // compared before rounding
        {std::nextafter(1000.0, 2000.0), 10, std::nullopt},
        {1000.4, 10, std::nullopt},
        {40000, 10, std::nullopt},  // beyond a 16-bit count
        {-40000, 10, std::nullopt},
        {1, 1, 1}, {1.5, 1, 1}, {0.999, 1, std::nullopt}, {-0.0, 1, std::nullopt},
        {kNaN, 1, std::nullopt}, {kInfinity, 1, std::nullopt}, {-kInfinity, 1, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(acceptCount(c.number, c.lowerBound), c.count)
            << "number " << c.number << ", lower bound " << c.lowerBound;
    }
}

}  // namespace
}  // namespace coinwell::engine
