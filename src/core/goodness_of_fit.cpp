#include "core/goodness_of_fit.h"

#include <cmath>
#include <limits>
#include <vector>

namespace coinwell::core {
namespace {

constexpr double kMinExpected = 5.0;
constexpr double kEpsilon = 1e-15;
constexpr int kMaxTerms = 10000;

// The series for P(a, x), good for x < a + 1.
double lowerBySeries(double a, double x)
{
    double term = 1.0 / a;
    double sum = term;
    for (int n = 1; n < kMaxTerms && std::abs(term) > std::abs(sum) * kEpsilon; ++n) {
        term *= x / (a + n);
        sum += term;
    }
    return sum * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

// The continued fraction for Q(a, x) (modified Lentz), good for x >= a + 1.
double upperByContinuedFraction(double a, double x)
{
    constexpr double kTiny = std::numeric_limits<double>::min() / kEpsilon;
    double b = x + 1.0 - a;
    double c = 1.0 / kTiny;
    double d = 1.0 / b;
    double h = d;
    for (int i = 1; i < kMaxTerms; ++i) {
        const double an = -i * (i - a);
        b += 2.0;
        d = an * d + b;
        d = std::abs(d) < kTiny ? kTiny : d;
        c = b + an / c;
        c = std::abs(c) < kTiny ? kTiny : c;
        d = 1.0 / d;
        const double delta = d * c;
        h *= delta;
        if (std::abs(delta - 1.0) < kEpsilon) {
            break;
        }
    }
    return std::exp(-x + a * std::log(x) - std::lgamma(a)) * h;
}

}  // namespace

double upperGammaQ(double a, double x)
{
    if (x <= 0.0) {
        return 1.0;
    }
    if (x < a + 1.0) {
        return 1.0 - lowerBySeries(a, x);
    }
    return upperByContinuedFraction(a, x);
}

std::optional<ChiSquareTest> chiSquareTest(const ShortageCounts& counts, const ShortageLaw& law)
{
    const auto experiments = static_cast<double>(counts.total());
    struct Group {
        double expected = 0.0;
        double observed = 0.0;
    };
    std::vector<Group> groups(1);
    for (int shortage = law.lowest(); shortage <= ShortageCounts::kHighestShortage; ++shortage) {
        if (groups.back().expected >= kMinExpected) {
            groups.emplace_back();
        }
        groups.back().expected += experiments * law.probability(shortage);
        groups.back().observed += counts.at(shortage);
    }
    if (groups.size() > 1 && groups.back().expected < kMinExpected) {
        groups[groups.size() - 2].expected += groups.back().expected;
        groups[groups.size() - 2].observed += groups.back().observed;
        groups.pop_back();
    }

    if (groups.size() < 2) {
        return std::nullopt;
    }
    ChiSquareTest test;
    for (const Group& group : groups) {
        if (group.expected > 0.0) {
            test.statistic += (group.observed - group.expected) * (group.observed - group.expected) / group.expected;
        }
    }
    test.degreesOfFreedom = static_cast<int>(groups.size()) - 1;
    test.pValue = upperGammaQ(test.degreesOfFreedom / 2.0, test.statistic / 2.0);
    return test;
}

}  // namespace coinwell::core
