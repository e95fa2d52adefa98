#include "engine/experiment.h"

#include <algorithm>
#include <span>

namespace coinwell::engine {

std::int16_t Experiment::Run(std::int16_t guestCount, platform::RandomSource& random,
                             platform::Clock& clock)
{
    const auto guests = static_cast<std::size_t>(std::clamp<int>(guestCount, 1, kTableSize - 1));

    random.Reseed(clock.SecondsSinceMidnight());
    random.Fill(std::span<float>(draws_.data() + 1, guests));

    // A draw below 0.5 is a guest paying with a coin (+1); 0.5 or more, one
    // paying with four bills and taking a coin back (-1). The tosses are
    // decided in a pass of their own, which compiles to vector compares: a
    // branch on a fair coin is mispredicted every other guest and costs more
    // than the rest of the experiment.
    for (std::size_t guest = 1; guest <= guests; ++guest) {
        CoinChange[guest] = draws_[guest] < 0.5F ? std::int16_t{1} : std::int16_t{-1};
    }

    int balance = 0;
    for (std::size_t guest = 1; guest <= guests; ++guest) {
        balance += CoinChange[guest];
        BalanceAfter[guest] = static_cast<std::int16_t>(balance);
    }

    // The shortage is the lowest balance after any guest; the opening
    // balance of 0 is not among them. A separate pass over the balances
    // keeps the running sum above free of a second dependency chain.
    std::int16_t lowest = BalanceAfter[1];
    for (std::size_t guest = 2; guest <= guests; ++guest) {
        lowest = std::min(lowest, BalanceAfter[guest]);
    }
    Draw = draws_[guests];
    Balance = static_cast<std::int16_t>(balance);
    return lowest;
}

}  // namespace coinwell::engine
