#include "core/experiment.h"
#include "core/histogram.h"
#include "core/meeting_replay.h"
#include "core/run.h"
#include "core/run_record.h"
#include "core/clock.h"
#include "core/random_generator.h"
#include "core/running_average.h"
#include "support/fake_setter.h"
#include "support/label_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace coinwell::core {
namespace {

RunRecord seededRun(int guests, int experiments, std::uint64_t seed)
{
    RandomGenerator random(seed);
    FixedClock clock;
    return recordRun(runExperiments({guests, experiments}, random, clock), seed);
}

// No text over another, none past the area, and no label on a plotted line
// where there is room for it elsewhere: over seeded runs at four numbers of
// guests, every combination of the graph's options, and areas from a
// phone's to a 4K screen's with texts at the size the window gives them.
TEST(Labels, NoTextCoversAnotherOrALabelALine)
{
    const struct {
        Rect area;
        double em;
    } screens[] = {
        {{0, 0, 355, 254}, 8},       // a phone's, the page scaled down
        {{32, 40, 537, 385}, 13},    // the window's at 100 %, a wide face
        {{0, 0, 2148, 1540}, 48},    // at 200 % on a 4K screen
    };
    for (const int guests : {10, 35, 100, 1000}) {
        for (const int experiments : {10, 1000}) {
            for (const std::uint64_t seed : {1, 2}) {
                const RunRecord record = seededRun(guests, experiments, seed);
                for (unsigned flags = 0; flags < 32; ++flags) {
                    const int percent = std::array{90, 95, 99}[flags % 3];
                    const HistogramOptions options{(flags & 1) != 0, (flags & 2) != 0 ? percent : 0, (flags & 4) != 0,
                                                   (flags & 8) != 0, percent, (flags & 16) != 0};
                    for (const auto& screen : screens) {
                        const testing::FakeSetter setter(0.55 * screen.em, screen.em, 1.2 * screen.em);
                        SCOPED_TRACE(::testing::Message() << guests << " x " << experiments << " seed " << seed
                                                          << " options " << flags << " width " << screen.area.width);
                        testing::expectLabelsClear(histogram(screen.area, &record, options, setter), setter);
                    }
                }
            }
        }
    }
}

// The replay's rows and marks likewise, half way and at the end, plain and
// mirrored.
TEST(Labels, TheReplaysTextsStayClear)
{
    for (const int guests : {10, 35, 100, 1000}) {
        for (const std::uint64_t seed : {1, 2, 3}) {
            RandomGenerator random(seed);
            FixedClock clock;
            Replay replay(meetingBalances(guests, random, clock));
            for (const bool mirrored : {false, true}) {
                if (mirrored) {
                    replay.toggleMirror();
                }
                for (int shown = 0; shown < 2; ++shown) {
                    replay.advance(shown == 0 ? 0.5 * guests / replay.pace() : 1e9);
                    const testing::FakeSetter setter(0.55 * 13, 13, 1.2 * 13);
                    SCOPED_TRACE(::testing::Message() << guests << " guests, seed " << seed << (mirrored ? " mirrored" : "")
                                                      << " shown " << replay.shownGuests());
                    testing::expectLabelsClear(replayPicture({32, 40, 537, 385}, replay, setter), setter);
                }
                replay.restart();
            }
        }
    }
}

// The running average's rows and numbers likewise, at its start, a third of
// the way and at its end, where it says how soon it settled.
TEST(Labels, TheRunningAveragesTextsStayClear)
{
    for (const int guests : {10, 1000}) {
        RandomGenerator random(3);
        FixedClock clock;
        RunningAverage running(runningShortages(guests, kRunningExperiments, random, clock), guests);
        for (const double seconds : {0.0, kRunningSeconds / 3, kRunningSeconds}) {
            running.advance(seconds);
            for (const auto& [area, em] : {std::pair{Rect{0, 0, 355, 254}, 8.0}, std::pair{Rect{32, 40, 537, 385}, 13.0}}) {
                const testing::FakeSetter setter(0.55 * em, em, 1.2 * em);
                SCOPED_TRACE(::testing::Message() << guests << " guests, shown " << running.shownExperiments() << ", width "
                                                  << area.width);
                testing::expectLabelsClear(runningAveragePicture(area, running, 95, setter), setter);
            }
        }
    }
}

// Fitted axes fill the area with a small run and give every shortage a bar
// of its own, those below -114 too; the window's fixed axes leave 35 x 10
// a sliver. A bar's share is its height over the frame's, base to top.
TEST(FittedAxes, FillTheAreaWithTheRunAndKeepEveryShortageApart)
{
    const testing::FakeSetter setter(7, 12, 16);
    const Rect area{10, 20, 533, 300};
    const auto tallestBarShare = [&](const RunRecord& record, const HistogramOptions& options) {
        double top = area.bottom();
        double base = area.top;
        double tallest = 0.0;
        for (const Shape& shape : histogram(area, &record, options, setter).shapes) {
            if (shape.kind == Shape::Kind::Box && shape.colour == kBarColour) {
                tallest = std::max(tallest, shape.points[1].y);
                base = std::max(base, shape.points[0].y + shape.points[1].y);
            } else if (shape.kind == Shape::Kind::Segments && shape.colour == kFrameColour) {
                for (const Point& p : shape.points) {
                    top = std::min(top, p.y);
                }
            }
        }
        return tallest / (base - top);
    };
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        const RunRecord record = seededRun(35, 10, seed);
        EXPECT_GE(tallestBarShare(record, {false, 0, false, true}), 0.5) << seed;
        EXPECT_GE(tallestBarShare(record, {true, 99, true, true}), 0.5) << seed;
        EXPECT_LT(tallestBarShare(record, {}), 0.05) << seed;
    }
    const RunRecord wide = seededRun(1000, 300, 7);
    ASSERT_LT(wide.result.counts.lowestCounted(), -114) << "a run reaching below the fixed axes";
    long shortages = 0;
    for (int shortage = -1000; shortage <= 1; ++shortage) {
        shortages += wide.result.counts.at(shortage) > 0 ? 1 : 0;
    }
    const Drawing drawing = histogram(area, &wide, {false, 0, false, true}, setter);
    EXPECT_EQ(std::count_if(drawing.shapes.begin(), drawing.shapes.end(),
                            [](const Shape& shape) { return shape.kind == Shape::Kind::Box && shape.colour == kBarColour; }),
              shortages);
}

}  // namespace
}  // namespace coinwell::core
