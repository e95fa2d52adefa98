#include "platform/runtime/clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <string>

namespace coinwell::platform {
namespace {

// The local time of day worked out directly, for comparison.
double LocalSecondsSinceMidnight()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto wholeSeconds = floor<seconds>(now);
    const std::time_t time = system_clock::to_time_t(wholeSeconds);
    std::tm local{};
    localtime_r(&time, &local);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
           duration<double>(now - wholeSeconds).count();
}

// Each reading lies between two direct readings taken around it (to within a
// float's resolution near the end of the day); a reading whose bracket spans
// midnight is not judged.
void ExpectReadingsMatchLocalTime(SystemClock& clock, int readings)
{
    constexpr double kFloatResolution = 0.008;
    for (int i = 0; i < readings; ++i) {
        const double before = LocalSecondsSinceMidnight();
        const double reading = clock.SecondsSinceMidnight();
        const double after = LocalSecondsSinceMidnight();
        ASSERT_GE(reading, 0.0);
        ASSERT_LT(reading, 86400.0 + kFloatResolution);
        if (after < before) {
            continue;
        }
        ASSERT_GE(reading, before - kFloatResolution) << "reading " << i;
        ASSERT_LE(reading, after + kFloatResolution) << "reading " << i;
    }
}

TEST(SystemClock, ReadsTheLocalTimeOfDay)
{
    SystemClock clock;
    ExpectReadingsMatchLocalTime(clock, 10000);
}

// Zones with whole-hour, odd-minute and daylight-saving offsets: the clock
// gives the local time of day in each, not the time since UTC midnight.
TEST(SystemClock, ReadsTheTimeOfDayInTheZoneInForce)
{
    const char* saved = std::getenv("TZ");
    const std::string savedZone = saved != nullptr ? saved : "";
    for (const char* zone : {"UTC0", "JST-9", "NPT-5:45", "HST10", "EST5EDT,M3.2.0,M11.1.0"}) {
        setenv("TZ", zone, 1);
        tzset();
        SystemClock clock;
        SCOPED_TRACE(zone);
        ExpectReadingsMatchLocalTime(clock, 100);
    }
    if (saved != nullptr) {
        setenv("TZ", savedZone.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}

}  // namespace
}  // namespace coinwell::platform
