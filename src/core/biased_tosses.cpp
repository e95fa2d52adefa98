#include "core/biased_tosses.h"

#include "core/settings.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <mutex>
#include <vector>

namespace coinwell::core {
namespace {

constexpr int kPatterns = 256;

TossPatterns patternsFor(int coinPercent)
{
    // Each pattern's chance in 2^32ths, rounded; the largest takes what the
    // rounding left over, so that they add up to 2^32 exactly.
    const double coin = coinPercent / 100.0;
    std::array<std::int64_t, kPatterns> weight{};
    std::int64_t total = 0;
    for (int pattern = 0; pattern < kPatterns; ++pattern) {
        const int change = std::popcount(static_cast<unsigned>(pattern));
        weight[pattern] = std::llround(std::ldexp(std::pow(1 - coin, change) * std::pow(coin, 8 - change), 32));
        total += weight[pattern];
    }
    *std::max_element(weight.begin(), weight.end()) += (std::int64_t{1} << 32) - total;

    // Vose's pairing, in whole numbers: every column holds 2^24, filled by
    // an underfull pattern and topped up from an overfull one.
    constexpr std::int64_t kColumn = std::int64_t{1} << 24;
    TossPatterns patterns{};
    const auto column = [&](int pattern, std::int64_t keep, int alias) {
        patterns[static_cast<std::size_t>(pattern)] =
            static_cast<std::uint32_t>(keep << 8) | static_cast<std::uint32_t>(alias);
    };
    std::vector<int> under;
    std::vector<int> over;
    for (int pattern = 0; pattern < kPatterns; ++pattern) {
        (weight[pattern] < kColumn ? under : over).push_back(pattern);
    }
    while (!under.empty() && !over.empty()) {
        const int small = under.back();
        under.pop_back();
        const int large = over.back();
        column(small, weight[small], large);
        weight[large] -= kColumn - weight[small];
        if (weight[large] < kColumn) {
            over.pop_back();
            under.push_back(large);
        }
    }
    // What is left is full to the brim, the sums being exact; a full
    // column is its own alias, so that being kept or not is the same.
    for (const auto* rest : {&over, &under}) {
        for (const int pattern : *rest) {
            column(pattern, kColumn - 1, pattern);
        }
    }
    return patterns;
}

}  // namespace

const TossPatterns& tossPatterns(int coinPercent)
{
    // Each share's table made when first asked for, in some tens of microseconds,
    // by one thread while any other asking waits.
    constexpr auto kShares = static_cast<std::size_t>(kCoinShareRange.highest);
    static std::array<TossPatterns, kShares> patterns;
    static std::array<std::once_flag, kShares> made;
    const int percent = std::clamp(coinPercent, kCoinShareRange.lowest, kCoinShareRange.highest);
    const auto index = static_cast<std::size_t>(percent - 1);
    std::call_once(made[index], [&] { patterns[index] = patternsFor(percent); });
    return patterns[index];
}

void biasedTosses(std::span<std::uint64_t> words, RandomSource& random, const TossPatterns& patterns)
{
    // Kept or its alias by a mask, not a branch: which one is a toss.
    const auto pattern = [&patterns](std::uint32_t draw) {
        const std::uint32_t column = draw & 0xFFU;
        const std::uint32_t entry = patterns[column];
        const std::uint32_t alias = 0U - static_cast<std::uint32_t>((draw | 0xFFU) >= entry);
        return column ^ ((column ^ entry) & alias & 0xFFU);
    };
    constexpr std::size_t kWordsAtOnce = 16;
    constexpr std::size_t kDrawsPerWord = 4;
    std::array<std::uint64_t, kDrawsPerWord * kWordsAtOnce> drawn;  // NOLINT: filled before it is read
    for (std::size_t start = 0; start < words.size(); start += kWordsAtOnce) {
        const std::size_t count = std::min(kWordsAtOnce, words.size() - start);
        random.fill(std::span(drawn).first(kDrawsPerWord * count));
        for (std::size_t i = 0; i < count; ++i) {
            std::uint64_t word = 0;
            for (std::size_t j = 0; j < kDrawsPerWord; ++j) {
                const std::uint64_t draws = drawn[kDrawsPerWord * i + j];
                const std::uint64_t guests = pattern(static_cast<std::uint32_t>(draws)) |
                                             pattern(static_cast<std::uint32_t>(draws >> 32U)) << 8U;
                word |= guests << (16 * j);
            }
            words[start + i] = word;
        }
    }
}

}  // namespace coinwell::core
