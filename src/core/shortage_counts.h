#pragma once

#include <cstdint>
#include <vector>

namespace coinwell::core {

// How often each single shortage occurred in a run of a given number of
// guests: every shortage from -guests to +1 has a counter of its own, wide
// enough for the longest batch run.
class ShortageCounts {
public:
    static constexpr int kHighestShortage = 1;

    ShortageCounts() = default;
    explicit ShortageCounts(int guests);

    // shortage is from lowest() to +1.
    void count(int shortage) { ++counts_[static_cast<std::size_t>(shortage + guests_)]; }
    // Adds what other, made for as many guests, counted.
    void add(const ShortageCounts& other);

    // 0 for a shortage outside lowest()..+1.
    std::int32_t at(int shortage) const;
    int lowest() const { return -guests_; }
    // The lowest shortage counted at least once, or +1 if none was.
    int lowestCounted() const;
    std::int64_t total() const;

private:
    int guests_ = 0;
    std::vector<std::int32_t> counts_ = std::vector<std::int32_t>(2);  // shortage s at s + guests_
};

}  // namespace coinwell::core
