#include "engine/clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <string>

namespace coinwell::engine {
namespace {

// The local time of day worked out directly, for comparison.
double localSecondsSinceMidnight()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto wholeSeconds = floor<seconds>(now);
    const std::time_t time = system_clock::to_time_t(wholeSeconds);
    std::tm local{};
    localtime_r(&time, &local);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
           std::chrono::duration<double>(now - wholeSeconds).count();
}

// Each reading lies between direct readings taken just before and after it
// (to within a float's resolution late in the day), in a whole-hour and an
// odd-minute zone east of UTC; a bracket spanning midnight is skipped.
TEST(SystemClock, ReadsTheLocalTimeOfDay)
{
    const char* saved = std::getenv("TZ");
    const bool hadZone = saved != nullptr;
    const std::string savedZone = hadZone ? saved : "";
    for (const char* zone : {"JST-9", "NPT-5:45"}) {
        setenv("TZ", zone, 1);
        tzset();
        SystemClock clock;
        for (int i = 0; i < 1000; ++i) {
            const double before = localSecondsSinceMidnight();
            const double reading = clock.secondsSinceMidnight();
            const double after = localSecondsSinceMidnight();
            if (after >= before) {
                ASSERT_GE(reading, before - 0.008) << zone;
                ASSERT_LE(reading, after + 0.008) << zone;
            }
        }
    }
    hadZone ? setenv("TZ", savedZone.c_str(), 1) : unsetenv("TZ");
    tzset();
}

}  // namespace
}  // namespace coinwell::engine
