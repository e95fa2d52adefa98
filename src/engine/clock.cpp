#include "engine/clock.h"

#include <ctime>

namespace coinwell::engine {

float SystemClock::secondsSinceMidnight()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto wholeSeconds = floor<seconds>(now);
    // Offsets from UTC change (daylight saving, a new day) only at the turn
    // of a minute, so the midnight found for this minute holds all through it.
    if (wholeSeconds < minuteStart_ || wholeSeconds >= minuteEnd_) {
        const std::time_t time = system_clock::to_time_t(wholeSeconds);
        std::tm local{};
        localtime_r(&time, &local);
        midnight_ = wholeSeconds - seconds(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec);
        minuteStart_ = wholeSeconds - seconds(local.tm_sec);
        minuteEnd_ = minuteStart_ + minutes(1);
    }
    const duration<double> sinceMidnight = now - midnight_;
    return static_cast<float>(sinceMidnight.count());
}

}  // namespace coinwell::engine
