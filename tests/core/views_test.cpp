#include "core/chart.h"
#include "core/coverage_curve.h"
#include "core/experiment.h"
#include "core/meeting_replay.h"
#include "core/random_generator.h"
#include "core/square_root_law.h"
#include "support/engine_fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace coinwell::core {
namespace {

constexpr Rect kArea{10, 20, 533, 300};
constexpr TextMetrics kMetrics{16, 7};

// Every point of a drawing lies within its area.
void expectInsideTheArea(const Drawing& drawing)
{
    const Rect& a = drawing.area;
    const auto inside = [&](Point p) {
        return p.x >= a.left - 1e-9 && p.x <= a.left + a.width + 1e-9 && p.y >= a.top - 1e-9 &&
               p.y <= a.top + a.height + 1e-9;
    };
    for (const Stroke& stroke : drawing.strokes) {
        for (const Point& point : stroke.points) {
            EXPECT_TRUE(inside(point)) << point.x << ", " << point.y;
        }
    }
    for (const Dot& dot : drawing.dots) {
        EXPECT_TRUE(inside(dot.centre)) << dot.centre.x << ", " << dot.centre.y;
    }
    for (const DrawnText& text : drawing.texts) {
        EXPECT_TRUE(inside(text.anchor) && inside({text.anchor.x, text.anchor.y + kMetrics.lineHeight})) << text.text;
    }
}

TEST(Meeting, ItsBalancesComeFromTheDrawsOfTheExperimentAndFallToItsShortage)
{
    for (const int guests : {10, 63, 64, 65, 100, 1000}) {
        SCOPED_TRACE(guests);
        RandomGenerator forExperiment(guests);
        RandomGenerator forMeeting(guests);
        testing::FakeClock clock;
        for (int meeting = 0; meeting < 20; ++meeting) {
            const int shortage = runExperiment(guests, forExperiment, clock);
            const std::vector<int> balances = meetingBalances(guests, forMeeting, clock);
            ASSERT_EQ(balances.size(), static_cast<std::size_t>(guests));
            EXPECT_EQ(*std::min_element(balances.begin(), balances.end()), shortage);
            int before = 0;
            for (const int balance : balances) {
                EXPECT_EQ(std::abs(balance - before), 1);
                before = balance;
            }
        }
    }
}

// The reflection the exact law rests on: mirrored where it first reaches a
// level, a path that gets there ends as far beyond the level as it ended
// short of it, and mirroring it again gives it back, so the paths that
// reach the level and end at b are as many as those that end at 2 level - b.
TEST(Meeting, MirroringAtALevelPairsThePathsThatReachIt)
{
    constexpr int kGuests = 12;
    for (const int level : {-1, -3, -6}) {
        std::vector<int> endingsReached(2 * kGuests + 1 + 4 * 6);
        for (unsigned tosses = 0; tosses < (1U << kGuests); ++tosses) {
            std::vector<int> path;
            int balance = 0;
            for (int guest = 0; guest < kGuests; ++guest) {
                path.push_back(balance += ((tosses >> guest) & 1U) != 0 ? 1 : -1);
            }
            const std::vector<int> mirrored = mirroredAt(path, level);
            ASSERT_EQ(mirroredAt(mirrored, level), path);
            const bool reaches = *std::min_element(path.begin(), path.end()) <= level;
            EXPECT_EQ(mirrored.back(), reaches ? 2 * level - path.back() : path.back());
            if (reaches) {
                ++endingsReached[static_cast<std::size_t>(path.back() + kGuests)];
            }
        }
        for (int end = -kGuests; end <= kGuests; ++end) {
            const int reflected = 2 * level - end;
            if (reflected >= -kGuests && reflected <= kGuests) {
                EXPECT_EQ(endingsReached[static_cast<std::size_t>(end + kGuests)],
                          endingsReached[static_cast<std::size_t>(reflected + kGuests)])
                    << "level " << level << ", end " << end;
            }
        }
    }
}

TEST(ReplayProgress, PlaysAtItsPaceAndAnswersEveryControl)
{
    struct Case {
        int guests;
        const char* controls;  // a: a second of play, p: pause, s: step, f/l: faster/slower, e: end, r: restart
        int shown;
        bool paused;
        int pace;
    };
    const Case cases[] = {
        {10, "", 0, false, 2},        {100, "a", 20, false, 20},   {1000, "a", 200, false, 200},
        {100, "pa", 0, true, 20},     {100, "ss", 2, true, 20},    {100, "sa", 1, true, 20},
        {100, "spa", 21, false, 20},  {100, "fa", 50, false, 50},  {100, "la", 10, false, 10},
        {100, "ffffffa", 100, false, 500}, {10, "lla", 1, false, 1}, {100, "e", 100, false, 20},
        {100, "ep", 0, false, 20},    {100, "aaaaaaa", 100, false, 20}, {100, "aar", 0, false, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.guests) + " " + c.controls);
        ReplayProgress progress(c.guests);
        for (const char* control = c.controls; *control != '\0'; ++control) {
            switch (*control) {
            case 'a': progress.advance(1.0); break;
            case 'p': progress.togglePause(); break;
            case 's': progress.step(); break;
            case 'f': progress.faster(); break;
            case 'l': progress.slower(); break;
            case 'e': progress.finish(); break;
            case 'r': progress.restart(); break;
            }
        }
        EXPECT_EQ(progress.shownGuests(), c.shown);
        EXPECT_EQ(progress.paused(), c.paused);
        EXPECT_EQ(progress.pace(), c.pace);
        EXPECT_EQ(progress.finished(), c.shown == c.guests);
    }
}

TEST(ReplayScene, ShowsThePathSoFarWithItsLowestPointOnAxesOfTheWholeMeeting)
{
    const std::vector<int> balances{1, 0, -1, -2, -1, -2, -3, -2, -1, 0, 1, 2};
    const ReplayTexts texts{{"balance", "guests", kMetrics}, "progress", "state", "mirror"};
    const auto pathOf = [](const Drawing& drawing) {
        return std::find_if(drawing.strokes.begin(), drawing.strokes.end(),
                            [](const Stroke& s) { return s.colour.blue == 255 && s.points.size() > 2; });
    };
    const Drawing whole = replayScene(kArea, balances, 12, texts);
    const Drawing part = replayScene(kArea, balances, 5, texts);
    expectInsideTheArea(whole);
    ASSERT_NE(pathOf(whole), whole.strokes.end());
    ASSERT_NE(pathOf(part), part.strokes.end());
    EXPECT_EQ(pathOf(whole)->points.size(), 13U);
    EXPECT_EQ(pathOf(part)->points.size(), 6U);
    // The axes stay where they were, so the part is the start of the whole.
    for (std::size_t n = 0; n < 6; ++n) {
        EXPECT_DOUBLE_EQ(pathOf(part)->points[n].y, pathOf(whole)->points[n].y);
    }
    // The lowest so far: -2 after guest 4, then -3 after guest 7.
    EXPECT_DOUBLE_EQ(part.dots.front().centre.y, pathOf(whole)->points[4].y);
    EXPECT_DOUBLE_EQ(whole.dots.front().centre.x, pathOf(whole)->points[7].x);
    EXPECT_TRUE(replayScene(kArea, balances, 0, texts).dots.empty());

    const Drawing mirrored = replayScene(kArea, balances, 12, texts, 2);
    expectInsideTheArea(mirrored);
    const auto reflected = std::find_if(mirrored.strokes.begin(), mirrored.strokes.end(),
                                        [](const Stroke& s) { return s.dashed && s.points.size() > 2; });
    ASSERT_NE(reflected, mirrored.strokes.end());
    EXPECT_EQ(reflected->points.size(), 9U) << "from guest 4, where the path first reaches -2";
    EXPECT_TRUE(replayScene({0, 0, 0, 300}, balances, 12, texts).strokes.empty());
}

TEST(ReplayFacts, TellTheBalanceAndTheFirstLowestSoFar)
{
    const std::vector<int> balances{-1, 0, -1, -2, -1, -2};
    const struct {
        int shown, balance, lowest, lowestGuest;
    } cases[] = {{1, -1, -1, 1}, {3, -1, -1, 1}, {4, -2, -2, 4}, {6, -2, -2, 4}, {99, -2, -2, 4}};
    for (const auto& c : cases) {
        const ReplayFacts facts = replayFacts(balances, c.shown);
        EXPECT_EQ(facts.balance, c.balance) << c.shown;
        EXPECT_EQ(facts.lowest, c.lowest) << c.shown;
        EXPECT_EQ(facts.lowestGuest, c.lowestGuest) << c.shown;
    }
    EXPECT_FALSE(replayFacts(balances, 0).lowest);
}

TEST(RoundTicks, StepByOneTwoOrFiveTimesAPowerOfTen)
{
    const struct {
        AxisRange range;
        int most;
        std::vector<int> ticks;
    } cases[] = {
        {{0, 1000}, 6, {0, 200, 400, 600, 800, 1000}},
        {{0, 1000}, 5, {0, 500, 1000}},
        {{-8, 3}, 5, {-5, 0}},
        {{-8, 3}, 12, {-8, -7, -6, -5, -4, -3, -2, -1, 0, 1, 2, 3}},
        {{-43, 12}, 8, {-40, -30, -20, -10, 0, 10}},
        {{0, 90}, 2, {0, 50}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(roundTicks(c.range, c.most), c.ticks) << c.range.from << ".." << c.range.to << " in " << c.most;
    }
}

// The lesson of the square-root view, from the exact law: the mean shortage
// follows -sqrt(2n / pi) ever closer, and four times the guests need about
// twice the coins.
TEST(SquareRootLaw, TheShortageGrowsAsTheSquareRootOfTheGuests)
{
    const std::vector<ExactForGuests> exact = exactForAllGuests(95);
    ASSERT_EQ(exact.size(), 991U);
    const auto at = [&](int guests) { return exact[static_cast<std::size_t>(guests - 10)]; };
    EXPECT_EQ(at(100).coins, 19);
    EXPECT_EQ(at(35).coins, 11);
    EXPECT_NEAR(at(100).meanShortage, -7.5, 0.05);
    EXPECT_EQ(exactCoinsOfNamedGuests(95), (std::array{at(100).coins, at(400).coins, at(1000).coins}));
    for (const int guests : {25, 100, 250}) {
        SCOPED_TRACE(guests);
        const double ratio = -at(guests).meanShortage / squareRootReference(guests);
        EXPECT_GT(ratio, 0.85);
        EXPECT_LT(ratio, 1.0);
        EXPECT_NEAR(static_cast<double>(at(4 * guests).coins) / at(guests).coins, 2.0, 0.15);
    }
    EXPECT_GT(-at(1000).meanShortage / squareRootReference(1000), 0.97);

    const SquareRootTexts texts{{"coins", "guests", kMetrics}, "lesson", "mean", "coins", "reference", "runs"};
    const Drawing drawing = squareRootScene(kArea, exact, {{100, -7.4, 19}, {1000, -25.0, 61}}, texts);
    expectInsideTheArea(drawing);
    EXPECT_EQ(drawing.dots.size(), 4U);
}

TEST(CoverageCurve, RisesWithTheCoinsToTheWholeOfTheRunAndOfTheLaw)
{
    ShortageCounts counts(100);
    for (const int shortage : {-20, -12, -7, -7, -3, 0, 1}) {
        counts.count(shortage);
    }
    Tally tally = Tally::of(counts);
    const GraphScene graph = graphScene(kArea, tally, GraphTexts{});
    const ShortageLaw law(100);
    const Drawing drawing = coverageCurve(graph, kArea, counts, &law, "100%", kMetrics);
    expectInsideTheArea(drawing);
    ASSERT_EQ(drawing.strokes.size(), 2U);
    const double fullY = graph.toArea.map({0, 30}).y;
    const double noneY = graph.toArea.map({0, 280}).y;
    for (const Stroke& stroke : drawing.strokes) {
        // Leftwards, towards more coins, the share never falls.
        for (std::size_t n = 1; n < stroke.points.size(); ++n) {
            EXPECT_LE(stroke.points[n].x, stroke.points[n - 1].x);
            EXPECT_LE(stroke.points[n].y, stroke.points[n - 1].y + 1e-9);
        }
    }
    const Stroke& steps = drawing.strokes[0];
    EXPECT_DOUBLE_EQ(steps.points.front().y, noneY - (noneY - fullY) * 2.0 / 7) << "0 coins: shortages 0 and 1";
    EXPECT_DOUBLE_EQ(steps.points.back().y, fullY) << "20 coins cover the whole run";
    EXPECT_NEAR(drawing.strokes[1].points.back().y, fullY, 1e-6) << "the law's line reaches nearly 100 %";
}

}  // namespace
}  // namespace coinwell::core
