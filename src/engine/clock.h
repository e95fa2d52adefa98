#pragma once

#include <chrono>

namespace coinwell::engine {

// The time of day, which seeds the generator before every experiment.
class Clock {
public:
    virtual ~Clock() = default;
    virtual float secondsSinceMidnight() = 0;
};

// A time of day that never moves, for runs that must follow from the
// generator's seed alone: the generator folds each re-seed into its running
// state, so equal seeds still give fresh draws.
class FixedClock final : public Clock {
public:
    float secondsSinceMidnight() override { return 0.0F; }
};

// Local time of day from the system clock.
class SystemClock final : public Clock {
public:
    float secondsSinceMidnight() override;

private:
    using Seconds = std::chrono::sys_seconds;

    // Local midnight as a system time, worked out once a minute: a run reads
    // the clock before every experiment, and converting to local time each
    // time would cost more than the experiment of a small run.
    Seconds midnight_{};
    Seconds minuteStart_{};
    Seconds minuteEnd_{};
};

}  // namespace coinwell::engine
