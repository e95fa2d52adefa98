#pragma once

#include <vector>

namespace coinwell::core {

// The exact probability law of one experiment's shortage for a number of
// guests, each tossing a fair coin.
class ShortageLaw {
public:
    ShortageLaw() = default;
    // Guests are taken as 1 to 1000, as an experiment takes them.
    explicit ShortageLaw(int guests);

    int guests() const { return guests_; }
    int lowest() const { return -guests_; }
    // P(shortage = s); 0 outside -guests..+1.
    double probability(int shortage) const;
    // P(shortage <= s).
    double atOrBelow(int shortage) const;
    double mean() const { return mean_; }

private:
    int guests_ = 0;
    std::vector<double> probabilities_;  // shortage s at s + guests_
    double mean_ = 0.0;
};

}  // namespace coinwell::core
