#include "engine/experiment.h"
#include "engine/random_generator.h"
#include "engine/run.h"
#include "support/engine_fakes.h"

#include <cmath>
#include <numeric>

namespace coinwell::engine {
namespace {

using testing::FakeClock;
using testing::ScriptedRandom;

// One draw per toss: '0' and '+' (just below 0.5) pay with a coin, 'h'
// (exactly 0.5) and '9' (just below 1) take one back.
std::vector<float> drawsOf(const std::string& tosses)
{
    std::vector<float> draws;
    for (char toss : tosses) {
        draws.push_back(toss == '0'   ? 0.0F
                        : toss == '+' ? std::nextafter(0.5F, 0.0F)
                        : toss == 'h' ? 0.5F
                                      : std::nextafter(1.0F, 0.0F));
    }
    return draws;
}

std::string repeated(const std::string& unit, int count)
{
    std::string text;
    while (count-- > 0) {
        text += unit;
    }
    return text;
}

TEST(Experiment, ShortageIsTheLowestBalanceAfterAnyGuest)
{
    const std::pair<std::string, int> cases[] = {
        {repeated("0+", 500), +1},         // every guest pays with a coin
        {repeated("h9", 500), -1000},      // every guest takes one back
        {repeated("+h", 5), 0},            // the opening 0 is not compared...
        {repeated("90", 5), -1},
        {"hh9+++++++", -3},                // dip, then recover
        {"+hhhhhhhh9", -8},                // lowest after the last guest
    };
    Experiment experiment;  // one object for all: nothing carries over
    for (const auto& [tosses, shortage] : cases) {
        ScriptedRandom random(drawsOf(tosses));
        FakeClock clock;
        EXPECT_EQ(experiment.run(static_cast<std::int16_t>(tosses.size()), random, clock), shortage) << tosses;
    }
}

// Every guest of an experiment gets the same draw here; the tally lumps
// shortages below -114 together, the counts and the sum keep them whole.
TEST(Run, ReseedsFromTheClockBeforeEachExperimentAndTalliesAndSumsEveryShortage)
{
    const struct {
        std::int16_t guests;
        std::vector<float> experiments;  // the draw of each experiment
        std::int32_t sum;
        std::vector<std::pair<int, int>> bins;  // bin, count
        int lowest;  // counted as often as the first bin lists
    } cases[] = {
        {1000, {0.75F, 0.5F, 0.25F}, -1999, {{0, 2}, {116, 1}}, -1000},
        {114, {0.9F, 0.0F}, -113, {{1, 1}, {116, 1}}, -114},
        {10, std::vector<float>(1000, 0.0F), 1000, {{116, 1000}}, 1},
    };
    for (const auto& c : cases) {
        const auto count = static_cast<std::int32_t>(c.experiments.size());
        std::vector<float> script;
        std::string calls;
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
        EXPECT_EQ(std::accumulate(result.tally.bins.begin(), result.tally.bins.end(), 0), count);
        for (const auto& [bin, expected] : c.bins) {
            EXPECT_EQ(result.tally.bins[static_cast<std::size_t>(bin)], expected) << "bin " << bin;
        }
        EXPECT_EQ(result.shortageSum, c.sum);
        EXPECT_EQ(result.counts.lowestCounted(), c.lowest);
        EXPECT_EQ(result.counts.at(c.lowest), c.bins.front().second);
        EXPECT_EQ(result.counts.total(), count);
        EXPECT_FLOAT_EQ(result.averageShortage(), static_cast<float>(static_cast<double>(c.sum) / count));
    }
}

// Experiments started within one clock tick get the same seed, and must
// still toss afresh.
TEST(RandomGenerator, ReseedingTwiceWithOneValueContinuesDifferently)
{
    for (float seed : {0.0F, 43200.0F}) {
        RandomGenerator random;
        std::vector<float> first(100);
        std::vector<float> second(100);
        random.reseed(seed);
        random.fill(first);
        random.reseed(seed);
        random.fill(second);
        EXPECT_NE(first, second) << "seed " << seed;
    }
}

}  // namespace
}  // namespace coinwell::engine
