#include "core/experiment.h"

#include "core/biased_tosses.h"
#include "core/toss_walk.h"

#include <algorithm>
#include <array>

namespace coinwell::core {
namespace {

constexpr int kBitsPerWord = 64;
using Tosses = std::array<std::uint64_t, (kGuestRange.highest + kBitsPerWord - 1) / kBitsPerWord>;

// Re-seeds the source from the clock and draws the tosses of `guests` guests.
std::span<const std::uint64_t> drawTosses(int guests, RandomSource& random, Clock& clock, int coinPercent,
                                          Tosses& tosses)
{
    const auto words = std::span(tosses).first(static_cast<std::size_t>((guests + kBitsPerWord - 1) / kBitsPerWord));
    random.reseed(clock.secondsSinceMidnight());
    if (coinPercent == kFairPercent) {
        random.fill(words);
    } else {
        biasedTosses(words, random, tossPatterns(coinPercent));
    }
    return words;
}

}  // namespace

std::int16_t runExperiment(int guestCount, RandomSource& random, Clock& clock, int coinPercent)
{
    const int guests = guestsArriving(guestCount);
    Tosses tosses;
    return static_cast<std::int16_t>(lowestBalance(drawTosses(guests, random, clock, coinPercent, tosses), guests));
}

std::vector<int> meetingBalances(int guestCount, RandomSource& random, Clock& clock, int coinPercent)
{
    const int guests = guestsArriving(guestCount);
    Tosses tosses;
    const auto words = drawTosses(guests, random, clock, coinPercent, tosses);
    std::vector<int> balances;
    balances.reserve(static_cast<std::size_t>(guests));
    int balance = 0;
    for (int guest = 0; guest < guests; ++guest) {
        const bool takesChange = ((words[static_cast<std::size_t>(guest / kBitsPerWord)] >> (guest % kBitsPerWord)) & 1U) != 0;
        balance += takesChange ? -1 : 1;
        balances.push_back(balance);
    }
    return balances;
}

}  // namespace coinwell::core
