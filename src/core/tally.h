#pragma once

#include "core/shortage_counts.h"

#include <array>
#include <cstdint>

namespace coinwell::core {

// How often each shortage occurred in one run. Bin 0 counts shortages below
// -114, bins 1 to 118 the single shortages -114 to +3, bin 119 those above 3.
struct Tally {
    static constexpr int kBinCount = 120;
    static constexpr int kLowestSingleShortage = -114;
    static constexpr int kHighestSingleShortage = 3;

    static constexpr int binOf(int shortage)
    {
        if (shortage < kLowestSingleShortage) {
            return 0;
        }
        if (shortage > kHighestSingleShortage) {
            return kBinCount - 1;
        }
        return shortage - kLowestSingleShortage + 1;
    }

    // The single shortage a bin from 1 to 118 counts.
    static constexpr int shortageOfBin(int bin) { return bin + kLowestSingleShortage - 1; }

    static Tally of(const ShortageCounts& counts)
    {
        Tally tally;
        for (int shortage = counts.lowest(); shortage <= ShortageCounts::kHighestShortage; ++shortage) {
            tally.bins[static_cast<std::size_t>(binOf(shortage))] += counts.at(shortage);
        }
        return tally;
    }

    std::array<std::int32_t, kBinCount> bins{};
};

}  // namespace coinwell::core
