#include "core/experiment.h"

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
        biasedTosses(words, random, coinThreshold(coinPercent));
    }
    return words;
}

}  // namespace

std::uint32_t coinThreshold(int coinPercent)
{
    const std::uint64_t scaled = static_cast<std::uint64_t>(std::clamp(coinPercent, 1, 99)) << 32U;
    return static_cast<std::uint32_t>((scaled + 50) / 100);
}

void biasedTosses(std::span<std::uint64_t> words, RandomSource& random, std::uint32_t threshold)
{
    // Digits come from the source a few words at a time, for fewer calls.
    std::array<std::uint64_t, 8> digits{};
    std::size_t next = digits.size();
    const auto digit = [&] {
        if (next == digits.size()) {
            random.fill(digits);
            next = 0;
        }
        return digits[next++];
    };
    for (std::uint64_t& word : words) {
        std::uint64_t below = 0;    // decided: the number is below the threshold
        std::uint64_t decided = 0;  // where the number and the threshold differ in a digit so far
        for (int place = 31; place >= 0 && decided != ~std::uint64_t{0}; --place) {
            const std::uint64_t drawn = digit();
            if (((threshold >> static_cast<unsigned>(place)) & 1U) != 0) {
                below |= ~drawn & ~decided;
                decided |= ~drawn;
            } else {
                decided |= drawn;
            }
        }
        word = ~below;  // a number equal to the threshold is not below it
    }
}

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
