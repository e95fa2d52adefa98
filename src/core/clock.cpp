#include "core/clock.h"

#include <chrono>
#include <ctime>

namespace coinwell::core {
namespace {

using std::chrono::seconds;
using std::chrono::sys_seconds;

std::chrono::system_clock::duration sinceEpoch()
{
// A browser has no coarse clock: asked for one, it leaves the time unset.
#if defined(CLOCK_REALTIME_COARSE) && !defined(__EMSCRIPTEN__)
    timespec now{};
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return seconds(now.tv_sec) + std::chrono::duration_cast<std::chrono::system_clock::duration>(
                                     std::chrono::nanoseconds(now.tv_nsec));
#else
    return std::chrono::system_clock::now().time_since_epoch();
#endif
}

// Local midnight as a system time, worked out once a minute on each thread:
// offsets from UTC change (daylight saving, a new day) only at the turn of a
// minute, and converting to local time at every reading would cost more than
// an experiment of a small run.
struct Midnight {
    sys_seconds midnight{};
    sys_seconds minuteStart{};
    sys_seconds minuteEnd{};

    sys_seconds of(sys_seconds now)
    {
        if (now < minuteStart || now >= minuteEnd) {
            const std::time_t time = std::chrono::system_clock::to_time_t(now);
            std::tm local{};
            localtime_r(&time, &local);
            midnight = now - seconds(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec);
            minuteStart = now - seconds(local.tm_sec);
            minuteEnd = minuteStart + std::chrono::minutes(1);
        }
        return midnight;
    }
};

}  // namespace

float SystemClock::secondsSinceMidnight()
{
    thread_local Midnight midnight;
    const std::chrono::sys_time<std::chrono::system_clock::duration> now(sinceEpoch());
    const std::chrono::duration<double> sinceMidnight = now - midnight.of(std::chrono::floor<seconds>(now));
    return static_cast<float>(sinceMidnight.count());
}

}  // namespace coinwell::core
