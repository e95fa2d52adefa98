#include "engine/experiment.h"

#include <algorithm>
#include <span>

namespace coinwell::engine {

std::int16_t Experiment::run(std::int16_t guestCount, RandomSource& random, Clock& clock)
{
    const auto guests = static_cast<std::size_t>(std::clamp<int>(guestCount, 1, kMaxGuests));

    random.reseed(clock.secondsSinceMidnight());
    random.fill(std::span<float>(draws_.data(), guests));

    // A draw below 0.5 is a guest paying with a coin (+1); 0.5 or more, one
    // paying with four bills and taking a coin back (-1). The tosses are
    // decided in a pass of their own, which compiles to vector compares: a
    // branch on a fair coin is mispredicted every other guest and costs more
    // than the rest of the experiment.
    for (std::size_t guest = 0; guest < guests; ++guest) {
        coinChange_[guest] = draws_[guest] < 0.5F ? std::int16_t{1} : std::int16_t{-1};
    }

    std::int16_t balance = 0;
    for (std::size_t guest = 0; guest < guests; ++guest) {
        balance = static_cast<std::int16_t>(balance + coinChange_[guest]);
        balanceAfter_[guest] = balance;
    }

    // The opening balance of 0 is not among the balances compared. A pass of
    // its own keeps the running sum above free of a second dependency chain.
    std::int16_t lowest = balanceAfter_[0];
    for (std::size_t guest = 1; guest < guests; ++guest) {
        lowest = std::min(lowest, balanceAfter_[guest]);
    }
    return lowest;
}

}  // namespace coinwell::engine
