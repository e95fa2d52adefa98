#include "engine/experiment.h"
#include "engine/run.h"
#include "fakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

namespace coinwell::engine {
namespace {

using testing::FakeClock;
using testing::ScriptedRandom;

// One draw per character: '0' and '+' (just below 0.5) pay with a coin, 'h'
// (exactly 0.5) and '9' (just below 1) take one back.
std::vector<float> drawsOf(const std::string& path)
{
    std::vector<float> draws;
    for (char toss : path) {
        draws.push_back(toss == '0'   ? 0.0F
                        : toss == '+' ? std::nextafter(0.5F, 0.0F)
                        : toss == 'h' ? 0.5F
                                      : std::nextafter(1.0F, 0.0F));
    }
    return draws;
}

std::string times(int count, const std::string& unit)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += unit;
    }
    return text;
}

TEST(Experiment, ShortageIsTheLowestBalanceAfterAnyGuest)
{
    const struct {
        const char* name;
        std::string path;
        int shortage;
    } cases[] = {
        {"all below 0.5", times(500, "0+"), +1},
        {"all 0.5 or above", times(500, "h9"), -1000},
        {"+1, -1, ...", times(5, "+h"), 0},
        {"-1, +1, ...", times(5, "90"), -1},
        {"dip, then recover", "hh9+++++++", -3},
        {"lowest after the last guest", "+hhhhhhhh9", -8},
    };
    Experiment experiment;  // one object for all: nothing carries over
    for (const auto& c : cases) {
        ScriptedRandom random(drawsOf(c.path));
        FakeClock clock(30000.0F);
        EXPECT_EQ(experiment.run(static_cast<std::int16_t>(c.path.size()), random, clock), c.shortage) << c.name;
    }
}

TEST(Tally, EachShortageLandsInItsBin)
{
    const std::pair<int, int> cases[] = {{-1000, 0}, {-115, 0}, {-114, 1}, {0, 115},
                                         {1, 116},   {3, 118},  {4, 119},  {1000, 119}};
    for (const auto& [shortage, bin] : cases) {
        Tally tally;
        tally.count(shortage);
        EXPECT_EQ(tally.bins[static_cast<std::size_t>(bin)], 1) << "shortage " << shortage;
        EXPECT_EQ(std::accumulate(tally.bins.begin(), tally.bins.end(), 0), 1) << "shortage " << shortage;
    }
}

// Every guest of an experiment gets the same draw; the tally lumps shortages
// below -114 together, the sum keeps them whole.
TEST(Run, ReseedsFromTheClockAndTalliesAndSumsEveryShortage)
{
    const struct {
        std::int16_t guests;
        std::vector<float> experiments;  // the draw of each experiment
        std::int32_t sum;
        std::vector<std::pair<int, int>> bins;  // bin, count
    } cases[] = {
        {1000, {0.75F, 0.5F, 0.25F}, -1999, {{0, 2}, {116, 1}}},
        {114, {0.9F, 0.0F}, -113, {{1, 1}, {116, 1}}},
        {10, std::vector<float>(1000, 0.0F), 1000, {{116, 1000}}},
    };
    for (const auto& c : cases) {
        const auto count = static_cast<std::int16_t>(c.experiments.size());
        std::vector<float> script;
        std::string calls;  // re-seeded with the clock's reading before each experiment's draws
        float seconds = 1000.0F;
        for (float draw : c.experiments) {
            calls.append("R").append(std::to_string(seconds++)).append(" F ");
            script.insert(script.end(), static_cast<std::size_t>(c.guests), draw);
        }
        ScriptedRandom random(script);
        FakeClock clock(1000.0F, 1.0F);

        const RunResult result = runExperiments(Settings{c.guests, count}, random, clock);

        SCOPED_TRACE(::testing::Message() << c.guests << " guests, " << count << " experiments");
        EXPECT_EQ(random.calls, calls);
        EXPECT_EQ(result.settings.experimentCount, count);
        EXPECT_EQ(std::accumulate(result.tally.bins.begin(), result.tally.bins.end(), 0), count);
        for (const auto& [bin, expected] : c.bins) {
            EXPECT_EQ(result.tally.bins[static_cast<std::size_t>(bin)], expected) << "bin " << bin;
        }
        EXPECT_EQ(result.shortageSum, c.sum);
        EXPECT_FLOAT_EQ(result.averageShortage(), static_cast<float>(static_cast<double>(c.sum) / count));
    }
}

}  // namespace
}  // namespace coinwell::engine
