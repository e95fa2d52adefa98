#include "core/experiment.h"
#include "core/random_generator.h"
#include "core/run.h"
#include "core/toss_walk.h"
#include "support/engine_fakes.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <numeric>
#include <random>
#include <thread>

namespace coinwell::core {
namespace {

using testing::FakeClock;
using testing::ScriptedRandom;

// The walk takes sixteen guests at a time; guest by guest, every number of
// guests must come out the same, however the last word is cut.
TEST(Experiment, WalkOfSixteenGuestsAtATimeMatchesTheWalkGuestByGuest)
{
    std::mt19937_64 bits(2024);
    for (int round = 0; round < 20; ++round) {
        std::array<std::uint64_t, 16> tosses{};
        // Long runs of one toss as well as fair mixtures reach deep shortages.
        for (std::uint64_t& word : tosses) {
            word = round % 4 == 0 ? bits() | bits() : round % 4 == 1 ? bits() & bits() : bits();
        }
        int balance = 0;
        int lowest = 1;
        for (int guests = 1; guests <= kGuestRange.highest; ++guests) {
            const bool takesCoin = ((tosses[static_cast<std::size_t>((guests - 1) / 64)] >> ((guests - 1) % 64)) & 1U) != 0;
            balance += takesCoin ? -1 : 1;
            lowest = std::min(lowest, balance);
            ASSERT_EQ(lowestBalance(tosses, guests), lowest) << "round " << round << ", " << guests << " guests";
        }
    }
}

// Every guest of an experiment tosses the same here; the tally lumps
// shortages below -114 together, the counts and the sum keep them whole.
TEST(Run, ReseedsFromTheClockBeforeEachExperimentAndTalliesAndSumsEveryShortage)
{
    const struct {
        std::int32_t guests;
        std::string experiments;  // the toss of each experiment
        std::int32_t sum;
        std::vector<std::pair<int, int>> bins;  // bin, count
        int lowest;  // counted as often as the first bin lists
    } cases[] = {
        {1000, "--+", -1999, {{0, 2}, {116, 1}}, -1000},
        {114, "-+", -113, {{1, 1}, {116, 1}}, -114},
        {10, std::string(1000, '+'), 1000, {{116, 1000}}, 1},
    };
    for (const auto& c : cases) {
        const auto count = static_cast<std::int32_t>(c.experiments.size());
        std::vector<std::string> script;
        std::string calls;
        float seconds = 1000.0F;
        for (char toss : c.experiments) {
            calls.append("R").append(std::to_string(seconds++)).append(" F ");
            script.emplace_back(static_cast<std::size_t>(c.guests), toss);
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

// A seeded batch must come out the same on any machine, however many cores
// share it, and a batch of one block as the window's run from the same
// generator.
TEST(Run, SpreadOverThreadsGivesTheSameResultWhateverTheirNumber)
{
    const RandomGenerator seeded(20240601);
    FixedClock frozen;
    for (const std::int32_t experiments : {2 * kExperimentsPerBlock + 5, 1000}) {
        const Settings settings{37, experiments};
        const RunResult alone = runExperimentsOnThreads(settings, seeded, frozen, 1);
        if (experiments <= kExperimentsPerBlock) {
            RandomGenerator random = seeded;
            EXPECT_EQ(runExperiments(settings, random, frozen).shortageSum, alone.shortageSum);
        }
        for (unsigned threads : {2U, 3U, 8U}) {
            const RunResult spread = runExperimentsOnThreads(settings, seeded, frozen, threads);
            SCOPED_TRACE(::testing::Message() << experiments << " experiments on " << threads);
            EXPECT_EQ(spread.counts.total(), experiments);
            EXPECT_EQ(spread.shortageSum, alone.shortageSum);
            for (int shortage = spread.counts.lowest(); shortage <= 1; ++shortage) {
                ASSERT_EQ(spread.counts.at(shortage), alone.counts.at(shortage)) << "shortage " << shortage;
            }
        }
    }
}

// Experiments started within one clock tick get the same seed, and must
// still toss afresh; so must the blocks of a run spread over threads.
TEST(RandomGenerator, ReseedingWithOneValueAndJumpingContinueDifferently)
{
    for (float seed : {0.0F, 43200.0F}) {
        const auto reseededWords = [seed](RandomGenerator& random) {
            std::array<std::uint64_t, 16> words{};
            random.reseed(seed);
            random.fill(words);
            return words;
        };
        RandomGenerator random;
        EXPECT_NE(reseededWords(random), reseededWords(random)) << "seed " << seed;
        RandomGenerator jumped = random;
        jumped.jump();
        EXPECT_NE(reseededWords(random), reseededWords(jumped)) << "jumped, seed " << seed;
    }
}

// The seed is the local time of day, read from a coarse clock and a
// midnight worked out once a minute on each reading thread. Nine hours east
// of UTC, so that UTC would be wrong, on this thread and on new ones, which have no
// midnight kept from another zone.
TEST(SystemClock, ReadsTheLocalTimeOfDayOnEveryThread)
{
    const char* const zone = std::getenv("TZ");
    const std::string savedZone = zone != nullptr ? zone : "";
    setenv("TZ", "JST-9", 1);
    tzset();
    const auto localSeconds = [] {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    };
    const auto readsLocalTime = [&] {
        SystemClock clock;
        const int before = localSeconds();
        const float read = clock.secondsSinceMidnight();
        const int after = localSeconds();
        if (after >= before) {  // else midnight passed in between
            EXPECT_GE(read, static_cast<float>(before) - 0.01F);
            EXPECT_LT(read, static_cast<float>(after + 1) + 0.01F);
        }
    };
    readsLocalTime();
#ifndef __EMSCRIPTEN__  // the browser's core has its page's thread alone
    for (int thread = 0; thread < 2; ++thread) {
        std::thread(readsLocalTime).join();
    }
#endif
    zone != nullptr ? setenv("TZ", savedZone.c_str(), 1) : unsetenv("TZ");
    tzset();
}

}  // namespace
}  // namespace coinwell::core
