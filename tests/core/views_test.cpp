#include "core/caption_line.h"
#include "core/chart.h"
#include "core/experiment.h"
#include "core/histogram.h"
#include "core/meeting_replay.h"
#include "core/random_generator.h"
#include "core/result_table.h"
#include "core/run_model.h"
#include "core/square_root_law.h"
#include "support/engine_fakes.h"
#include "support/fake_setter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string_view>
#include <tuple>
#include <vector>

namespace coinwell::core {
namespace {

constexpr Rect kArea{10, 20, 533, 300};

// Seven units a byte: a Japanese character is 21.
const testing::FakeSetter kSetter(7, 21, 16);

std::vector<const Shape*> shapesOf(const Drawing& drawing, Shape::Kind kind)
{
    std::vector<const Shape*> found;
    for (const Shape& shape : drawing.shapes) {
        if (shape.kind == kind) {
            found.push_back(&shape);
        }
    }
    return found;
}

// The first shape of a kind that passes the test, or null.
const Shape* firstOf(const Drawing& drawing, Shape::Kind kind, const std::function<bool(const Shape&)>& test = {})
{
    const auto found = std::find_if(drawing.shapes.begin(), drawing.shapes.end(),
                                    [&](const Shape& s) { return s.kind == kind && (!test || test(s)); });
    return found != drawing.shapes.end() ? &*found : nullptr;
}

// Every point of a drawing lies within its area: a box's far corner (its
// second point is its size) and a text's whole line too.
void expectInsideTheArea(const Drawing& drawing)
{
    const Rect& a = drawing.area;
    for (const Shape& shape : drawing.shapes) {
        std::vector<Point> points = shape.points;
        if (shape.kind == Shape::Kind::Box) {
            points[1] = {points[0].x + points[1].x, points[0].y + points[1].y};
        } else if (shape.kind == Shape::Kind::Text) {
            points.push_back({points[0].x + kSetter.width(shape.text), points[0].y - kSetter.ascent + kSetter.lineHeight});
        }
        for (const Point& p : points) {
            EXPECT_TRUE(p.x >= a.left - 1e-9 && p.x <= a.right() + 1e-9 && p.y >= a.top - 1e-9 && p.y <= a.bottom() + 1e-9)
                << shape.text << " at " << p.x << ", " << p.y;
        }
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
            EXPECT_EQ(std::abs(balances.front()), 1);
            const auto jump = std::adjacent_find(balances.begin(), balances.end(), [](int a, int b) { return std::abs(b - a) != 1; });
            EXPECT_EQ(jump - balances.begin(), guests) << "a balance that does not move by one coin";
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
            const std::vector<int> path = testing::walkOf(tosses, kGuests);
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

TEST(Replay, PlaysAtItsPaceAndAnswersEveryControl)
{
    const struct {
        int guests;
        const char* controls;  // a: a second of play, p: pause, s: step, f/l: faster/slower, e: end, r: restart
        int shown;
        bool paused;
        int pace;
    } cases[] = {
        {10, "", 0, false, 2},        {100, "a", 20, false, 20},   {1000, "a", 200, false, 200},
        {100, "pa", 0, true, 20},     {100, "ss", 2, true, 20},    {100, "sa", 1, true, 20},
        {100, "spa", 21, false, 20},  {100, "fa", 50, false, 50},  {100, "la", 10, false, 10},
        {100, "ffffffa", 100, false, 500}, {10, "lla", 1, false, 1}, {100, "e", 100, false, 20},
        {100, "ep", 0, false, 20},    {100, "aaaaaaa", 100, false, 20}, {100, "aar", 0, false, 20},
    };
    const std::map<char, std::function<void(Replay&)>> controls{
        {'a', [](Replay& replay) { replay.advance(1.0); }}, {'p', &Replay::togglePause}, {'s', &Replay::step},
        {'f', &Replay::faster}, {'l', &Replay::slower}, {'e', &Replay::finish}, {'r', &Replay::restart}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.guests) + " " + c.controls);
        Replay progress(std::vector<int>(static_cast<std::size_t>(c.guests)));
        for (const char control : std::string_view(c.controls)) {
            controls.at(control)(progress);
        }
        EXPECT_EQ(progress.shownGuests(), c.shown);
        EXPECT_EQ(progress.paused(), c.paused);
        EXPECT_EQ(progress.pace(), c.pace);
        EXPECT_EQ(progress.finished(), c.shown == c.guests);
    }
}

// A replay's path, its mirror image (a dashed green line that is not the
// level's, which is flat) and the frame's corner line, top left to bottom right.
const Shape* pathOf(const Drawing& drawing)
{
    return firstOf(drawing, Shape::Kind::Path, [](const Shape& s) { return s.colour == kBarColour && s.points.size() > 2; });
}
const Shape* reflectedOf(const Drawing& drawing)
{
    return firstOf(drawing, Shape::Kind::Path, [](const Shape& s) {
        return s.dashed && s.colour == kReadyColour &&
               std::any_of(s.points.begin(), s.points.end(), [&](Point p) { return p.y != s.points.front().y; });
    });
}
const Shape* frameOf(const Drawing& drawing)
{
    return firstOf(drawing, Shape::Kind::Path, [](const Shape& s) { return s.colour == kFrameColour && s.points.size() == 3; });
}

// A meeting that walks coin by coin to each balance in turn, then one coin
// up and down again until all its guests have come.
std::vector<int> walkThrough(std::initializer_list<int> turns, int guests)
{
    std::vector<int> balances;
    int balance = 0;
    for (const int turn : turns) {
        while (balance != turn) {
            balances.push_back(balance += turn > balance ? 1 : -1);
        }
    }
    for (int up = 1; balances.size() < static_cast<std::size_t>(guests); up = -up) {
        balances.push_back(balance += up);
    }
    balances.resize(static_cast<std::size_t>(guests));
    return balances;
}

// The texts of a drawing and where they stand.
std::vector<std::tuple<std::string, double, double>> textsOf(const Drawing& drawing)
{
    std::vector<std::tuple<std::string, double, double>> texts;
    for (const Shape* text : shapesOf(drawing, Shape::Kind::Text)) {
        texts.emplace_back(text->text, text->points[0].x, text->points[0].y);
    }
    return texts;
}

// Before the first guest the axis tells nothing of the meeting: the same
// picture for every seed, its axis about three times the square root of the
// guests either way, out to a round number.
TEST(ReplayAxis, StartsFromTheNumberOfGuestsAlone)
{
    testing::FakeClock clock;
    for (const auto& [guests, reach] : {std::pair{10, 10}, {35, 20}, {100, 30}, {1000, 100}}) {
        RandomGenerator first(1);
        const Drawing firstPicture = replayPicture(kArea, Replay(meetingBalances(guests, first, clock)), kSetter);
        EXPECT_NE(firstOf(firstPicture, Shape::Kind::Text, [&](const Shape& t) { return t.text == std::to_string(-reach); }),
                  nullptr);
        for (std::uint64_t seed = 1; seed <= 40; ++seed) {
            SCOPED_TRACE(std::to_string(guests) + " guests, seed " + std::to_string(seed));
            RandomGenerator random(seed);
            const Replay replay(meetingBalances(guests, random, clock));
            EXPECT_EQ(std::pair(replay.axis().from, replay.axis().to), std::pair(-reach, reach));
            EXPECT_EQ(textsOf(replayPicture(kArea, replay, kSetter)), textsOf(firstPicture));
        }
    }
}

// A path that leaves the axis it started on widens it as it goes, a round
// step at a time, shaded and named, and stays wholly inside the frame; the
// axis never narrows again, not even when the meeting plays again.
TEST(ReplayAxis, WidensWhereThePathShownLeavesItAndStaysWidened)
{
    const struct {
        std::vector<int> balances;
        bool mirrored;
        int widenings;  // the shaded parts at the end
    } cases[] = {
        {walkThrough({-10}, 10), false, 1},       {walkThrough({10}, 10), false, 1},
        {walkThrough({-45, 0}, 100), false, 1},   {walkThrough({38}, 100), false, 1},
        {walkThrough({-33, 33}, 100), false, 2},  {walkThrough({-4, 28}, 100), true, 1},
        {walkThrough({-12, 12}, 100), false, 0},  {walkThrough({-5, 15}, 35), false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.balances));
        Replay replay(c.balances);
        replay.togglePause();
        if (c.mirrored) {
            replay.toggleMirror();
        }
        AxisRange axis = replay.axis();
        Drawing drawing;
        while (!replay.finished()) {
            replay.step();
            SCOPED_TRACE(replay.shownGuests());
            drawing = replayPicture(kArea, replay, kSetter);
            const std::vector<Point>& frame = frameOf(drawing)->points;
            for (const Shape* shown : {pathOf(drawing), reflectedOf(drawing)}) {
                for (const Point& point : shown ? shown->points : std::vector<Point>{}) {
                    EXPECT_TRUE(point.y >= frame[0].y - 1e-9 && point.y <= frame[1].y + 1e-9) << point.y;
                }
            }
            EXPECT_TRUE(replay.axis().from <= axis.from && replay.axis().to >= axis.to) << "narrowed";
            axis = replay.axis();
        }
        expectInsideTheArea(drawing);
        EXPECT_EQ(shapesOf(drawing, Shape::Kind::Box).size(), static_cast<std::size_t>(c.widenings));
        EXPECT_EQ(firstOf(drawing, Shape::Kind::Text, [](const Shape& t) { return t.text == "axis widened"; }) != nullptr,
                  c.widenings > 0);
        replay.restart();
        EXPECT_EQ(std::pair(replay.axis().from, replay.axis().to), std::pair(axis.from, axis.to));
    }
}

TEST(ReplayPicture, ShowsThePathSoFarWithItsLowestPointOnAxesThatStay)
{
    const std::vector<int> balances{1, 0, -1, -2, -1, -2, -3, -2, -1, 0, 1, 2};
    Replay replay(balances);
    replay.finish();
    const Drawing whole = replayPicture(kArea, replay, kSetter);
    replay.restart();
    for (int guest = 0; guest < 5; ++guest) {
        replay.step();
    }
    const Drawing part = replayPicture(kArea, replay, kSetter);
    expectInsideTheArea(whole);
    ASSERT_NE(pathOf(whole), nullptr);
    ASSERT_NE(pathOf(part), nullptr);
    EXPECT_EQ(pathOf(whole)->points.size(), 13U);
    EXPECT_EQ(pathOf(part)->points.size(), 6U);
    // The axes stay where they were, so the part is the start of the whole.
    for (std::size_t n = 0; n < 6; ++n) {
        EXPECT_DOUBLE_EQ(pathOf(part)->points[n].y, pathOf(whole)->points[n].y);
    }
    // The lowest so far: -2 after guest 4, then -3 after guest 7.
    EXPECT_DOUBLE_EQ(firstOf(part, Shape::Kind::Dot)->points[0].y, pathOf(whole)->points[4].y);
    EXPECT_DOUBLE_EQ(firstOf(whole, Shape::Kind::Dot)->points[0].x, pathOf(whole)->points[7].x);
    replay.restart();
    replay.togglePause();
    EXPECT_EQ(firstOf(replayPicture(kArea, replay, kSetter), Shape::Kind::Dot), nullptr);
    EXPECT_TRUE(replayPicture({0, 0, 0, 300}, replay, kSetter).shapes.empty());
}

// M mirrors every meeting that falls to -2 or lower at a level it reaches,
// the first at or below the middle of its lowest balance, so that a piece of
// the path shows reflected; one that never goes below 0 says so instead.
TEST(ReplayMirror, ReflectsEveryMeetingThatFallsToMinusTwoAtALevelItReaches)
{
    testing::FakeClock clock;
    const int guestCounts[] = {10, 35, 100, 1000};
    int reflections = 0;
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        const int guests = guestCounts[seed % 4];
        SCOPED_TRACE(std::to_string(guests) + " guests, seed " + std::to_string(seed));
        RandomGenerator random(seed);
        Replay replay(meetingBalances(guests, random, clock));
        replay.finish();
        replay.toggleMirror();
        const int lowest = *std::min_element(replay.balances().begin(), replay.balances().end());
        const Drawing drawing = replayPicture(kArea, replay, kSetter);
        const Shape* reflected = reflectedOf(drawing);
        if (lowest >= 0) {
            EXPECT_EQ(reflected, nullptr);
            EXPECT_NE(firstOf(drawing, Shape::Kind::Text, [](const Shape& t) {
                          return t.text == "nothing to mirror: this meeting never went below 0";
                      }), nullptr);
            continue;
        }
        ASSERT_TRUE(replay.mirrorLevel());
        const int level = *replay.mirrorLevel();
        EXPECT_TRUE(2 * level <= lowest && lowest < 2 * level + 2) << "level " << level << ", lowest " << lowest;
        if (lowest > -2) {
            continue;
        }
        ASSERT_NE(reflected, nullptr);
        const std::vector<Point>& path = pathOf(drawing)->points;
        const std::size_t touch = path.size() - reflected->points.size();
        EXPECT_EQ(replay.balances()[touch - 1], level) << "the reflection starts where the path reaches the level";
        bool differs = false;
        for (std::size_t n = 0; n < reflected->points.size(); ++n) {
            // As far beyond the level, where the reflection starts, as the path is short of it.
            EXPECT_NEAR(reflected->points[n].y + path[touch + n].y, 2 * reflected->points[0].y, 1e-6);
            differs = differs || std::abs(reflected->points[n].y - path[touch + n].y) > 1e-6;
        }
        EXPECT_TRUE(differs);
        ++reflections;
    }
    EXPECT_GT(reflections, 150);
}

// Up and Down move the mirror among the levels the meeting reaches, -1 to its
// lowest, and the words with it.
TEST(ReplayMirror, MovesBetweenMinusOneAndTheLowestBalance)
{
    const struct {
        const char* keys;  // u: Up, d: Down
        int level;
    } cases[] = {{"", -4}, {"u", -3}, {"uuuuu", -1}, {"d", -5}, {"ddddd", -7}, {"uuuuud", -2}, {"dddu", -6}};
    const std::vector<int> balances = walkThrough({-7, -2}, 20);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        Replay replay(balances);
        replay.finish();
        replay.toggleMirror();
        for (const char key : std::string_view(c.keys)) {
            key == 'u' ? replay.raiseMirror() : replay.lowerMirror();
        }
        const Drawing drawing = replayPicture(kArea, replay, kSetter);
        const std::string words[] = {"mirrored at " + std::to_string(c.level),
                                     "A path touching " + std::to_string(c.level) + " and ending at b has a twin ending at " +
                                         std::to_string(2 * c.level) + " − b."};
        for (const std::string& said : words) {
            EXPECT_NE(firstOf(drawing, Shape::Kind::Text, [&](const Shape& t) { return t.text == said; }), nullptr) << said;
        }
        expectInsideTheArea(drawing);
    }
}

// What a replay tells of the meeting so far, and at its end the coins its
// shortage needed, counted for the plural form their number takes.
TEST(ReplayFacts, TellTheBalanceTheFirstLowestSoFarAndTheCoinsNeeded)
{
    const std::vector<int> balances{-1, 0, -1, -2, -1, -2};
    const struct {
        int shown, balance, lowest, lowestGuest;
    } cases[] = {{1, -1, -1, 1}, {3, -1, -1, 1}, {4, -2, -2, 4}, {6, -2, -2, 4}, {99, -2, -2, 4}};
    for (const auto& c : cases) {
        const ReplayFacts facts = replayFacts(balances, c.shown);
        EXPECT_EQ(std::tuple(facts.balance, facts.lowest, facts.lowestGuest),
                  std::tuple(c.balance, std::optional(c.lowest), c.lowestGuest))
            << c.shown;
    }
    EXPECT_FALSE(replayFacts(balances, 0).lowest);
    const struct {
        std::vector<int> balances;
        std::optional<int> coins;  // none: no coins were needed
    } ends[] = {{{1, 2, 1, 0}, std::nullopt}, {{-1, 0, 1, 0}, 1}, {{-1, -2, -1, -2}, 2}};
    for (const auto& e : ends) {
        Replay replay(e.balances);
        replay.finish();
        EXPECT_EQ(replayState(replay, replayFacts(e.balances, 4)).count, e.coins) << e.balances[1];
    }
}

TEST(RoundTicks, StepByOneTwoOrFiveTimesAPowerOfTen)
{
    const struct {
        AxisRange range;
        int most;
        std::vector<int> ticks;
    } cases[] = {
        {{0, 1000}, 6, {0, 200, 400, 600, 800, 1000}}, {{0, 1000}, 5, {0, 500, 1000}}, {{-8, 3}, 5, {-5, 0}},
        {{-8, 3}, 12, {-8, -7, -6, -5, -4, -3, -2, -1, 0, 1, 2, 3}}, {{-43, 12}, 8, {-40, -30, -20, -10, 0, 10}},
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
    EXPECT_EQ(at(100).coins, 19) << "the reflection principle's coins for 95 %";
    EXPECT_NEAR(at(100).meanShortage, -7.5, 0.05);
    for (const int guests : {25, 100, 250}) {
        SCOPED_TRACE(guests);
        const double ratio = -at(guests).meanShortage / squareRootReference(guests);
        EXPECT_GT(ratio, 0.85);
        EXPECT_LT(ratio, 1.0);
        EXPECT_NEAR(static_cast<double>(at(4 * guests).coins) / at(guests).coins, 2.0, 0.15);
    }
    EXPECT_GT(-at(1000).meanShortage / squareRootReference(1000), 0.97);

    expectInsideTheArea(squareRootPicture(kArea, exact, {{100, -7.4, 19}, {1000, -25.0, 61}}, 95, kSetter));
}

RunRecord recordOf(std::initializer_list<int> shortages, int guests)
{
    RunResult result;
    result.settings = {guests, static_cast<int>(shortages.size())};
    result.counts = ShortageCounts(guests);
    for (const int shortage : shortages) {
        result.counts.count(shortage);
        result.shortageSum += shortage;
    }
    result.tally = Tally::of(result.counts);
    return recordRun(std::move(result), std::nullopt);
}

// A run of three at 10 guests, where every chance is a multiple of 2^-10:
// a row for each shortage from the lowest counted to +1, with the counts
// the exact law expects (the lowest row's those below it too) and the
// shares at or above it, as the 1024 toss sequences give them, exact halves
// rounded away from zero.
TEST(ResultTable, HoldsTheCountsAndSharesOfTheRunAndOfTheLaw)
{
    EXPECT_EQ(resultTable(recordOf({-3, 0, 1}, 10)),
              "shortage,count,expected_count,guests,experiments,average_shortage,exact_mean,seed,share_at_least,"
              "exact_share_at_least\n"
              "-3,1,1.0313,10,3,-0.666667,-1.960938,,1.000000,0.773438\n"
              "-2,0,0.6152,10,3,-0.666667,-1.960938,,0.666667,0.656250\n"
              "-1,0,0.6152,10,3,-0.666667,-1.960938,,0.666667,0.451172\n"
              "0,1,0.3691,10,3,-0.666667,-1.960938,,0.666667,0.246094\n"
              "1,1,0.3691,10,3,-0.666667,-1.960938,,0.333333,0.123047\n");
}

TEST(CoverageCurve, RisesWithTheCoinsToTheWholeOfTheRunAndOfTheLaw)
{
    const RunRecord record = recordOf({-20, -12, -7, -7, -3, 0, 1}, 100);
    const Drawing drawing = histogram(kArea, &record, {true, 0, true}, kSetter);
    std::vector<const Shape*> curves = shapesOf(drawing, Shape::Kind::Path);
    // Not the exact law's line over the bars, nor the scale's ticks and the
    // chosen share's line.
    std::erase_if(curves, [](const Shape* path) { return path->round || path->points.size() <= 2; });
    ASSERT_EQ(curves.size(), 2U);
    for (const Shape* curve : curves) {
        // Leftwards, towards more coins, the share never falls.
        for (std::size_t n = 1; n < curve->points.size(); ++n) {
            EXPECT_LE(curve->points[n].x, curve->points[n - 1].x);
            EXPECT_LE(curve->points[n].y, curve->points[n - 1].y + 1e-9);
        }
    }
    // From the bars' base line: 0 coins cover shortages 0 and 1, 2/7 of what
    // 20 coins cover, the whole run, which the law's line nearly reaches.
    const double base = firstOf(drawing, Shape::Kind::Box)->points[0].y + firstOf(drawing, Shape::Kind::Box)->points[1].y;
    EXPECT_NEAR((base - curves[0]->points.front().y) / (base - curves[0]->points.back().y), 2.0 / 7, 1e-9);
    EXPECT_NEAR(curves[1]->points.back().y, curves[0]->points.back().y, 1e-6);
}

// The exact law over the bars: its line, as high as the experiments each
// shortage expects in the bars' units (one a count), its mark under the axis
// at the mean, and the mean's value above the bars under it or, where they
// reach the top, below the axis; on no bar either way.
TEST(Histogram, LaysTheExactLawOverTheBarsAndItsMeanClearOfThem)
{
    const ShortageLaw law(100);
    const int meanBin = Tally::binOf(static_cast<int>(std::lround(law.mean())));
    for (const bool tall : {false, true}) {
        SCOPED_TRACE(tall ? "bars to the top" : "low bars");
        RunResult result;
        result.settings = {100, 1000};
        result.counts = ShortageCounts(100);
        for (const int bin : {meanBin - 2, meanBin, meanBin + 2}) {
            result.tally.bins[static_cast<std::size_t>(bin)] = tall ? 400 : 20;
        }
        const RunRecord record = recordRun(std::move(result), std::nullopt);
        const Drawing drawing = histogram(kArea, &record, {true, 0, false}, kSetter);
        const auto line = shapesOf(drawing, Shape::Kind::Path);
        const auto bars = shapesOf(drawing, Shape::Kind::Box);
        ASSERT_EQ(line.size(), 1U);
        EXPECT_GT(line[0], bars.back()) << "drawn after the bars";
        ASSERT_EQ(bars.size(), 3U);
        const double markX = firstOf(drawing, Shape::Kind::Polygon)->points[0].x;
        EXPECT_GT(markX, bars[1]->points[0].x) << "over the bar of the mean's bin";
        EXPECT_LT(markX, bars[1]->points[0].x + bars[1]->points[1].x);
        const double base = bars[1]->points[0].y + bars[1]->points[1].y;
        double expected = 0.0;
        for (const Point& point : line[0]->points) {
            expected += (base - point.y) / (bars[1]->points[1].y / 20);
        }
        EXPECT_TRUE(tall || std::abs(expected - 1000) < 1) << expected << " of 1000 experiments, all but the far tail";

        const Shape* mean = firstOf(drawing, Shape::Kind::Text, [](const Shape& t) { return t.colour == kExactColour; });
        ASSERT_NE(mean, nullptr);
        const double left = mean->points[0].x;
        const double right = left + kSetter.width(mean->text);
        const double top = mean->points[0].y - kSetter.ascent;
        const double bottom = top + kSetter.lineHeight;
        EXPECT_TRUE(tall ? top >= base : bottom <= bars[1]->points[0].y) << top;
        for (const Shape* bar : bars) {
            const Point corner = bar->points[0];
            const Point size = bar->points[1];
            EXPECT_TRUE(right <= corner.x || left >= corner.x + size.x || bottom <= corner.y || top >= corner.y + size.y)
                << "on the bar at " << corner.x;
        }
    }
}

// The coins to have ready are counted in the plural form their number
// takes, on the graph and in its description alike.
TEST(Histogram, CountsTheCoinsToHaveReadyInTheirPluralForm)
{
    const struct {
        RunRecord record;
        int percent;
        int coins;
    } cases[] = {
        {recordOf({0, 1, -1, 0, 1, 0, 1, 0, 1, 0}, 10), 95, 1},
        {recordOf({0, 1, -1, 0, 1, 0, 1, 0, 1, 0}, 10), 90, 0},
        {recordOf({-3, -2, -1, 0, 1, 0, 1, 0, 1, 0}, 10), 95, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.coins);
        const Message description = histogramDescription(c.record, {false, c.percent, false});
        ASSERT_GE(description.args.size(), 2U);
        EXPECT_EQ(description.args[1].count, c.coins);
        const Drawing drawing = histogram(kArea, &c.record, {false, c.percent, false}, kSetter);
        const std::string marker = std::to_string(c.coins) + " coin(s): enough in " + std::to_string(c.percent) + "% of meetings";
        EXPECT_NE(firstOf(drawing, Shape::Kind::Text, [&](const Shape& t) { return t.text == marker; }), nullptr) << marker;
    }
}

// What a user does to the graph area, step by step: the view it then shows,
// its picture, and which commands it then offers; in every state no key
// belongs to two commands that a front end has enabled.
TEST(RunModel, SwitchesViewsAsTheCommandsSayWithNoKeyForTwoEnabledCommands)
{
    testing::FakeClock clock;
    RandomGenerator random(1);
    RunHistory runs;
    RunModel model(random, clock, 1, runs);
    using C = Command;
    EXPECT_FALSE(model.enabled(C::Replay)) << "no guests yet";
    EXPECT_FALSE(model.trigger(C::Replay));
    model.setGuestCount(35);
    model.setExperimentCount(10);
    const struct {
        std::optional<Command> command;  // none: a run
        GraphView view;
        bool hasPicture;
    } steps[] = {
        {C::Replay, GraphView::Replay, true}, {C::Pause, GraphView::Replay, true},
        {C::Mirror, GraphView::Replay, true}, {C::WholeMeeting, GraphView::Replay, true},
        {C::MirrorLower, GraphView::Replay, true}, {C::Mirror, GraphView::Replay, true},
        {C::BackToHistogram, GraphView::Histogram, false}, {C::SquareRootLaw, GraphView::SquareRootLaw, true},
        {C::Replay, GraphView::Replay, true}, {C::Share99, GraphView::Replay, true},  // a share keeps the view
        {C::CaptionOnImage, GraphView::Replay, true},  // so does the caption under saved images
        {C::ExactLaw, GraphView::Histogram, false}, {std::nullopt, GraphView::Histogram, true},
        {C::CoinsReady, GraphView::Histogram, true}, {C::SquareRootLaw, GraphView::SquareRootLaw, true},
        {C::SquareRootLaw, GraphView::Histogram, true}, {C::Replay, GraphView::Replay, true},
        {C::WholeMeeting, GraphView::Replay, true}, {C::Mirror, GraphView::Replay, true},
        {C::MirrorRaise, GraphView::Replay, true}, {std::nullopt, GraphView::Histogram, true},
    };
    int mirroredStates = 0;
    for (const auto& step : steps) {
        if (step.command) {
            EXPECT_TRUE(model.trigger(*step.command)) << commandInfo(*step.command).name;
        } else {
            model.run();
        }
        SCOPED_TRACE(step.command ? commandInfo(*step.command).name : "a run");
        EXPECT_EQ(model.view(), step.view);
        EXPECT_EQ(model.hasPicture(), step.hasPicture);
        // The picture copied, saved and printed is the view's, known by its first caption.
        const char* const captions[] = {"（Vertical axis : Number of experiments）", "Coin balance", "Coins"};
        EXPECT_EQ(firstOf(model.picture(kArea, kSetter), Shape::Kind::Text)->text,
                  captions[static_cast<int>(step.view)]);
        for (const FrontEnds front : {FrontEnds::Desktop, FrontEnds::Page}) {
            std::map<std::string_view, std::string_view> owners;
            for (const CommandInfo& info : kCommands) {
                for (const std::string_view key : info.keys) {
                    if (!key.empty() && (info.frontEnds == FrontEnds::Both || info.frontEnds == front) &&
                        model.enabled(info.command)) {
                        const auto [owner, added] = owners.emplace(key, info.name);
                        EXPECT_TRUE(added) << key << ": " << owner->second << " and " << info.name;
                    }
                }
            }
        }
        mirroredStates += model.enabled(C::MirrorRaise) ? 1 : 0;
    }
    EXPECT_GE(mirroredStates, 2) << "the mirror's keys were among those checked";
    EXPECT_TRUE(model.checked(C::ExactLaw));
    EXPECT_TRUE(model.checked(C::Share99));
    EXPECT_FALSE(model.checked(C::Share95));
    EXPECT_FALSE(model.checked(C::CaptionOnImage)) << "on at first, then turned off";
    EXPECT_FALSE(model.trigger(C::CopyGraph)) << "the front end copies";
    model.clear();
    EXPECT_FALSE(model.enabled(C::SaveCsv));
    EXPECT_FALSE(model.enabled(C::Replay));
}

// A caption line wider than its picture wraps after a blank or a Japanese
// comma, and a word longer than a line between its characters (the fake
// setter's seven units a byte: a Japanese character is 21).
TEST(CaptionLine, WrapsWithinTheWidth)
{
    const struct {
        std::string words;
        int bytesALine;
        std::vector<std::string> lines;
    } cases[] = {
        {"100 guests, 100 experiments, seed 1", 16, {"100 guests, 100", "experiments,", "seed 1"}},
        {"来場者 100 人、実験 10 回", 20, {"来場者 100 人、", "実験 10 回"}},
        {"abcdefghij", 4, {"abcd", "efgh", "ij"}},
        {"seed 1", 100, {"seed 1"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(wrappedLines(c.words, 7.0 * c.bytesALine, kSetter), c.lines) << c.words;
    }
}

}  // namespace
}  // namespace coinwell::core
