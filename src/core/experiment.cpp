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
    // The threshold's digits from the top, each spread over a word: all ones for a 1.
    std::array<std::uint64_t, 32> spread{};
    for (unsigned place = 0; place < 32; ++place) {
        spread[31 - place] = ((threshold >> place) & 1U) != 0 ? ~std::uint64_t{0} : 0;
    }
    // The first eight digits of every guest of up to 16 words come in one
    // draw and are compared without a branch: they settle all 64 guests of a
    // word four times in five. The rest, a digit at a time.
    constexpr std::size_t kFirstDigits = 8;
    constexpr std::size_t kWordsAtOnce = 16;
    std::array<std::uint64_t, kFirstDigits * kWordsAtOnce> digits{};
    for (std::size_t start = 0; start < words.size(); start += kWordsAtOnce) {
        const std::size_t count = std::min(kWordsAtOnce, words.size() - start);
        random.fill(std::span(digits).first(kFirstDigits * count));
        for (std::size_t i = 0; i < count; ++i) {
            std::uint64_t below = 0;    // decided: the number is below the threshold
            std::uint64_t decided = 0;  // where the number and the threshold differ in a digit so far
            const auto compare = [&](std::uint64_t digit, std::size_t place) {
                const std::uint64_t differ = digit ^ spread[place];
                // A digit of 0 where the threshold has 1 decides "below".
                below |= differ & spread[place] & ~decided;
                decided |= differ;
            };
            for (std::size_t place = 0; place < kFirstDigits; ++place) {
                compare(digits[i * kFirstDigits + place], place);
            }
            for (std::size_t place = kFirstDigits; place < spread.size() && decided != ~std::uint64_t{0}; ++place) {
                std::uint64_t digit = 0;
                random.fill(std::span(&digit, 1));
                compare(digit, place);
            }
            words[start + i] = ~below;  // a number equal to the threshold is not below it
        }
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
