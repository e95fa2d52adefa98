#include "platform/runtime/clock.h"

#include <chrono>
#include <ctime>

namespace coinwell::platform {

float SystemClock::SecondsSinceMidnight()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t wholeSeconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&wholeSeconds, &local);
    const duration<double> subSecond = now - system_clock::from_time_t(wholeSeconds);
    const double sinceMidnight =
        local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + subSecond.count();
    return static_cast<float>(sinceMidnight);
}

}  // namespace coinwell::platform
