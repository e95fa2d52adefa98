#pragma once

#include "core/clock.h"
#include "core/random_generator.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace coinwell {

// Where a run's tosses come from. With a seed, every run of the program
// follows from it alone and the time of day is never read; without one, the
// generator starts from the moment and is re-seeded from the time of day.
class RunSource {
public:
    explicit RunSource(std::optional<std::uint64_t> seed);

    core::RandomGenerator& random() { return random_; }
    core::Clock& clock() { return *clock_; }

private:
    core::RandomGenerator random_;
    std::unique_ptr<core::Clock> clock_;
};

}  // namespace coinwell
