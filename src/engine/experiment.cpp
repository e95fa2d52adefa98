#include "engine/experiment.h"

#include "engine/toss_walk.h"

#include <array>

namespace coinwell::engine {

std::int16_t runExperiment(int guestCount, RandomSource& random, Clock& clock)
{
    constexpr int kBitsPerWord = 64;
    const int guests = guestsArriving(guestCount);
    std::array<std::uint64_t, (kMaxGuests + kBitsPerWord - 1) / kBitsPerWord> tosses;
    const auto words = std::span(tosses).first(static_cast<std::size_t>((guests + kBitsPerWord - 1) / kBitsPerWord));

    random.reseed(clock.secondsSinceMidnight());
    random.fill(words);
    return static_cast<std::int16_t>(lowestBalance(words, guests));
}

}  // namespace coinwell::engine
