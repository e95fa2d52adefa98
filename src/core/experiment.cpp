#include "core/experiment.h"

#include "core/toss_walk.h"

#include <array>

namespace coinwell::core {

std::int16_t runExperiment(int guestCount, RandomSource& random, Clock& clock)
{
    constexpr int kBitsPerWord = 64;
    const int guests = guestsArriving(guestCount);
    std::array<std::uint64_t, (kGuestRange.highest + kBitsPerWord - 1) / kBitsPerWord> tosses;
    const auto words = std::span(tosses).first(static_cast<std::size_t>((guests + kBitsPerWord - 1) / kBitsPerWord));

    random.reseed(clock.secondsSinceMidnight());
    random.fill(words);
    return static_cast<std::int16_t>(lowestBalance(words, guests));
}

}  // namespace coinwell::core
