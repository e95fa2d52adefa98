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

    // The lowest balance is tracked on the way instead of sorting the
    // balances afterwards: the same minimum in one pass.
    int balance = 0;
    int lowest = 1;  // the first guest leaves +1 or -1, so this is never kept
    for (std::size_t guest = 1; guest <= guests; ++guest) {
        const std::int16_t change = draws_[guest] < 0.5F ? 1 : -1;
        balance += change;
        CoinChange[guest] = change;
        BalanceAfter[guest] = static_cast<std::int16_t>(balance);
        lowest = std::min(lowest, balance);
    }
    Draw = draws_[guests];
    Balance = static_cast<std::int16_t>(balance);
    return static_cast<std::int16_t>(lowest);
}

}  // namespace coinwell::engine
