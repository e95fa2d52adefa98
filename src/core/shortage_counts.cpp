#include "core/shortage_counts.h"

#include <algorithm>
#include <functional>
#include <numeric>

namespace coinwell::core {

ShortageCounts::ShortageCounts(int guests)
    : guests_(guests), counts_(static_cast<std::size_t>(guests + kHighestShortage + 1), 0)
{
}

void ShortageCounts::add(const ShortageCounts& other)
{
    std::transform(counts_.begin(), counts_.end(), other.counts_.begin(), counts_.begin(), std::plus<>());
}

std::int32_t ShortageCounts::at(int shortage) const
{
    if (shortage < lowest() || shortage > kHighestShortage) {
        return 0;
    }
    return counts_[static_cast<std::size_t>(shortage + guests_)];
}

int ShortageCounts::lowestCounted() const
{
    for (int shortage = lowest(); shortage < kHighestShortage; ++shortage) {
        if (at(shortage) > 0) {
            return shortage;
        }
    }
    return kHighestShortage;
}

std::int64_t ShortageCounts::total() const
{
    return std::accumulate(counts_.begin(), counts_.end(), std::int64_t{0});
}

}  // namespace coinwell::core
