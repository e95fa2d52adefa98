#pragma once

#include "core/message.h"
#include "core/run.h"
#include "core/shortage_law.h"

#include <cstdint>
#include <optional>

namespace coinwell::core {

// A run's result with what every way of showing it needs beside: the exact
// law for its number of guests, and the seed the program was started with.
struct RunRecord {
    RunResult result;
    ShortageLaw law;
    std::optional<std::uint64_t> seed;
};

RunRecord recordRun(RunResult result, std::optional<std::uint64_t> seed);

// The words a run's settings carry for a share of guests paying with a coin
// other than the fair coin's (", 40% of guests paying with a coin"); none
// for the fair coin, whose settings read as they always have.
std::optional<Message> coinShareWords(int coinPercent);

}  // namespace coinwell::core
