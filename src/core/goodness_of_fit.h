#pragma once

#include "core/shortage_counts.h"
#include "core/shortage_law.h"

#include <optional>

namespace coinwell::core {

// Pearson's chi-square test of a run's counts against the exact law.
struct ChiSquareTest {
    double statistic = 0.0;
    int degreesOfFreedom = 0;
    // The probability of a statistic at least this large if the shortages
    // follow the law.
    double pValue = 1.0;
};

// Neighbouring shortages, from the lowest up, are pooled until each group
// expects at least kMinExpected experiments; a short last group joins the
// one before it. None when that leaves a single group: with no degree of
// freedom the test says nothing, and the run is too small for it.
std::optional<ChiSquareTest> chiSquareTest(const ShortageCounts& counts, const ShortageLaw& law);

// The regularised upper incomplete gamma function Q(a, x), a > 0, x >= 0.
double upperGammaQ(double a, double x);

}  // namespace coinwell::core
