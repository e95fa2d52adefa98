#pragma once

#include <chrono>

namespace coinwell::platform {

// The time of day, as the run-time library gives it to seed the generator.
class Clock {
public:
    virtual ~Clock() = default;
    virtual float SecondsSinceMidnight() = 0;
};

// Local time of day from the system clock.
class SystemClock final : public Clock {
public:
    float SecondsSinceMidnight() override;

private:
    using Seconds = std::chrono::sys_seconds;

    // Local midnight as a system time, worked out once a minute: a run reads
    // the clock before every experiment, and converting to local time each
    // time would cost more than the experiment of a small run.
    Seconds midnight_{};
    Seconds minuteStart_{};
    Seconds minuteEnd_{};
};

}  // namespace coinwell::platform
