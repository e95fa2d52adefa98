#pragma once

#include "core/settings.h"

#include <vector>

namespace coinwell::core {

// The exact probability law of one experiment's shortage for a number of
// guests, each paying with a coin with the chance of a share in percent: the
// fair coin's unless another is given.
class ShortageLaw {
public:
    ShortageLaw() = default;
    // Guests are taken as 1 to 1000, as an experiment takes them, and the
    // share as 1 to 99 %.
    explicit ShortageLaw(int guests, int coinPercent = kFairPercent);

    int guests() const { return guests_; }
    int coinPercent() const { return coinPercent_; }
    int lowest() const { return -guests_; }
    // P(shortage = s); 0 outside -guests..+1.
    double probability(int shortage) const;
    // P(shortage <= s).
    double atOrBelow(int shortage) const;
    double mean() const { return mean_; }

private:
    void fair();
    void biased();

    int guests_ = 0;
    int coinPercent_ = kFairPercent;
    std::vector<double> probabilities_;  // shortage s at s + guests_
    double mean_ = 0.0;
};

}  // namespace coinwell::core
