#pragma once

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
};

}  // namespace coinwell::platform
