#include "engine/shortage_law.h"

#include <algorithm>
#include <numeric>

namespace coinwell::engine {

// Seen from any guest, the lowest balance still to come relative to the
// balance just reached (0 if it is never undercut) depends only on how many
// guests follow: with none it is 0, and one guest more makes it
// min(0, toss + what follows that guest). One pass per guest builds that law
// for n - 1 guests; the first guest's toss then shifts it by +1 or -1.
ShortageLaw::ShortageLaw(int guests) : guests_(std::max(guests, 1))
{
    const auto size = static_cast<std::size_t>(guests_);
    // One slot more than a walk can reach, always 0, so every slot can read
    // the one above it.
    std::vector<double> ahead(size + 1, 0.0);  // P(lowest still to come = -d) at d
    std::vector<double> next(size + 1, 0.0);
    ahead[0] = 1.0;
    for (std::size_t following = 1; following < size; ++following) {
        // A coin paid moves d down by one (but not below 0), a coin taken
        // moves it up by one. Each slot gathers from its neighbours, which
        // keeps the loop free of a chain through memory.
        next[0] = (ahead[0] + ahead[1]) / 2.0;
        for (std::size_t d = 1; d <= following; ++d) {
            next[d] = (ahead[d - 1] + ahead[d + 1]) / 2.0;
        }
        ahead.swap(next);
    }

    probabilities_.assign(size + 2, 0.0);
    for (std::size_t d = 0; d < size; ++d) {
        // The first guest reaches +1 or -1; the shortage lies d below that.
        probabilities_[size + 1 - d] += ahead[d] / 2.0;
        probabilities_[size - 1 - d] += ahead[d] / 2.0;
    }
    for (int shortage = lowest(); shortage <= 1; ++shortage) {
        mean_ += shortage * probability(shortage);
    }
}

double ShortageLaw::probability(int shortage) const
{
    if (shortage < lowest() || shortage > 1) {
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

}  // namespace coinwell::engine
