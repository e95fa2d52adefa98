#include "core/shortage_law.h"

#include "core/experiment.h"
#include "core/settings.h"

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

ShortageLaw::ShortageLaw(int guests, int coinPercent)
    : guests_(guestsArriving(guests)), coinPercent_(std::clamp(coinPercent, kCoinShareRange.lowest, kCoinShareRange.highest))
{
    probabilities_.assign(static_cast<std::size_t>(guests_) + 2, 0.0);
    if (coinPercent_ == kFairPercent) {
        fair();
    } else {
        biased();
    }
    for (int shortage = lowest(); shortage <= 1; ++shortage) {
        mean_ += shortage * probability(shortage);
    }
}

// By reflection, a walk from 0 gets to s <= -1 or below with probability
// P(S_n <= s) + P(S_n <= s - 1), where S_n is where its n steps end; so its
// lowest point is s as often as it ends at s or at s - 1. After a first guest
// who paid (+1) it never falls below 0 as often as the n - 1 guests after
// that never undercut it, that is as often as n - 1 steps end at 0 or 1.
// Shortage 0 takes the rest.
void ShortageLaw::fair()
{
    const int n = guests_;
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
}

namespace {

// ln(e^a + e^b), without leaving the doubles' range.
double addLogs(double a, double b)
{
    if (a == -HUGE_VAL) {
        return b;
    }
    const double high = std::max(a, b);
    return high + std::log1p(std::exp(std::min(a, b) - high));
}

// P(a walk of m steps, up with chance p, reaches -k or below), k = 1 to m + 1
// at [k]. With u steps up it ends at 2u - m. A path that reaches -k and ends
// at b > -k has a twin, reflected from where it first reaches -k, that ends
// at -2k - b: as likely times (q/p)^(b + k), each step after the reflection
// having turned. So P = P(end <= -k) + (q/p)^k * sum over u with 2u - m < -k
// of C(m, u) p^(m - u) q^u, both sums kept in logarithms from the lowest u
// up, for the powers of p and q to neither overflow nor vanish midway.
std::vector<double> reaching(int m, double p)
{
    const double lp = std::log(p);
    const double lq = std::log1p(-p);
    std::vector<double> ends(static_cast<std::size_t>(m) + 1);   // ln sum of P(u' ups) for u' <= u
    std::vector<double> twins(static_cast<std::size_t>(m) + 1);  // ln sum of C(m, u') p^(m - u') q^u' for u' <= u
    double end = -HUGE_VAL;
    double twin = -HUGE_VAL;
    for (int u = 0; u <= m; ++u) {
        const double choose = std::lgamma(m + 1.0) - std::lgamma(u + 1.0) - std::lgamma(m - u + 1.0);
        end = addLogs(end, choose + u * lp + (m - u) * lq);
        twin = addLogs(twin, choose + (m - u) * lp + u * lq);
        ends[static_cast<std::size_t>(u)] = end;
        twins[static_cast<std::size_t>(u)] = twin;
    }
    std::vector<double> reach(static_cast<std::size_t>(m) + 2, 0.0);
    for (int k = 1; k <= m; ++k) {
        const int lastEnd = (m - k) / 2;                 // 2u - m <= -k
        const int lastTwin = (m - k + 1) / 2 - 1;        // 2u - m < -k
        double sum = lastEnd >= 0 ? std::exp(ends[static_cast<std::size_t>(lastEnd)]) : 0.0;
        if (lastTwin >= 0) {
            sum += std::exp(twins[static_cast<std::size_t>(lastTwin)] + k * (lq - lp));
        }
        reach[static_cast<std::size_t>(k)] = std::min(sum, 1.0);
    }
    return reach;
}

}  // namespace

// The lowest balance is s <= -1 as often as the walk reaches s but not
// s - 1; +1 as often as the first guest pays and the n - 1 after never take
// the balance below where they found it; 0 takes the rest.
void ShortageLaw::biased()
{
    const int n = guests_;
    const double p = coinPercent_ / 100.0;
    const auto at = [&](int shortage) -> double& { return probabilities_[static_cast<std::size_t>(shortage + n)]; };
    const std::vector<double> reach = reaching(n, p);
    double belowZero = 0.0;
    for (int k = 1; k <= n; ++k) {
        at(-k) = std::max(0.0, reach[static_cast<std::size_t>(k)] - reach[static_cast<std::size_t>(k) + 1]);
        belowZero += at(-k);
    }
    at(1) = p * (1.0 - (n > 1 ? reaching(n - 1, p)[1] : 0.0));
    at(0) = std::max(0.0, 1.0 - belowZero - at(1));
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
