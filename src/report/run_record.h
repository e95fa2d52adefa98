#pragma once

#include "engine/run.h"
#include "engine/shortage_law.h"

#include <cstdint>
#include <optional>

namespace coinwell::report {

// A run's result with what every way of showing it needs beside: the exact
// law for its number of guests, and the seed the program was started with.
struct RunRecord {
    engine::RunResult result;
    engine::ShortageLaw law;
    std::optional<std::uint64_t> seed;
};

RunRecord recordRun(engine::RunResult result, std::optional<std::uint64_t> seed);

}  // namespace coinwell::report
