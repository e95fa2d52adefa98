#include "core/shortage_law.h"

#include "core/experiment.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace coinwell::core {

namespace {

// P(S = 2j - n) for j from 0 to n, where S is where n fair tosses of +1 or -1
// end, from C(n, j) / 2^n one after another (2^-n is still a double for
// every n an experiment has). The ratios stand apart from the chain of
// products, so that only a multiplication waits for the one before: each
// product rounds twice, and at 1000 guests the last is within 1e-12 of its
// exact value, relatively, far below what any report shows.
std::vector<double> endPoints(int n)
{
    std::vector<double> mass(static_cast<std::size_t>(n) + 1);
    mass[0] = std::ldexp(1.0, -n);
    for (int j = 0; j < n; ++j) {
        mass[static_cast<std::size_t>(j) + 1] = mass[static_cast<std::size_t>(j)] * (static_cast<double>(n - j) / (j + 1));
    }
    return mass;
}

}  // namespace

// By reflection, a walk from 0 gets to s <= -1 or below with probability
// P(S_n <= s) + P(S_n <= s - 1), where S_n is where its n steps end; so its
// lowest point is s as often as it ends at s or at s - 1. After a first guest
// who paid (+1) it never falls below 0 as often as the n - 1 guests after
// that never undercut it, that is as often as n - 1 steps end at 0 or 1.
// Shortage 0 takes the rest.
ShortageLaw::ShortageLaw(int guests) : guests_(guestsArriving(guests))
{
    const int n = guests_;
    probabilities_.assign(static_cast<std::size_t>(n) + 2, 0.0);
    const auto at = [&](int shortage) -> double& { return probabilities_[static_cast<std::size_t>(shortage + n)]; };

    const std::vector<double> ends = endPoints(n);
    double belowZero = 0.0;
    for (int j = 0; 2 * j - n <= -1; ++j) {
        const int end = 2 * j - n;
        const double p = ends[static_cast<std::size_t>(j)];
        at(end) += p;
        belowZero += p;
        if (end + 1 <= -1) {
            at(end + 1) += p;
            belowZero += p;
        }
    }
    // C(n - 1, j) / 2^(n - 1) is 2 C(n, j) / 2^n (n - j) / n, for the j whose
    // end, 2j - (n - 1), is 0 or 1.
    const int middle = (n - 1) / 2 + (n % 2 == 1 ? 0 : 1);
    at(1) = ends[static_cast<std::size_t>(middle)] * (n - middle) / n;
    at(0) = 1.0 - belowZero - at(1);
    for (int shortage = lowest(); shortage <= 1; ++shortage) {
        mean_ += shortage * probability(shortage);
    }
}

double ShortageLaw::probability(int shortage) const
{
    if (shortage < lowest() || shortage > 1 || probabilities_.empty()) {
        return 0.0;
    }
    return probabilities_[static_cast<std::size_t>(shortage + guests_)];
}

double ShortageLaw::atOrBelow(int shortage) const
{
    const int last = std::min(shortage, 1);
    if (last < lowest()) {
        return 0.0;
    }
    return std::accumulate(probabilities_.begin(), probabilities_.begin() + (last + guests_ + 1), 0.0);
}

}  // namespace coinwell::core
