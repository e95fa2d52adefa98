#pragma once

namespace coinwell::core {

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

// Local time of day from the system clock, to the clock's tick of a few
// milliseconds, about what a single-precision count of seconds tells apart
// after nine in the morning, and read in a few nanoseconds, which matters as
// a run reads it before every experiment. Any number of threads may read it
// at once.
class SystemClock final : public Clock {
public:
    float secondsSinceMidnight() override;
};

}  // namespace coinwell::core
