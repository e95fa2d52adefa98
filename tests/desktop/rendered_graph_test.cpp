// The graph as painted into an image the size of the graph area at 96 dpi.
#include "core/histogram.h"
#include "core/meeting_replay.h"
#include "desktop/graph/drawing_painter.h"
#include "desktop/toolkit/fonts.h"
#include "desktop/toolkit/translated.h"
#include "support/ink.h"
#include "support/label_checks.h"
#include "core/clock.h"
#include "core/random_generator.h"
#include "core/run.h"
#include "core/running_average.h"

#include <QPainter>
#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace coinwell::graph {
namespace {

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kBackground(240, 240, 240);
const QSize kArea(533, 381);

// What draw makes for an area of the size given, as measured in the font,
// painted on the ground given at the device pixel ratio given, its texts
// in the colour given.
QImage paint(QSize size, const QFont& font, const std::function<core::Drawing(const core::Rect&, const FontTextSetter&)>& draw,
             int ratio = 1, const QColor& ground = Qt::white, const QColor& texts = Qt::black)
{
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(ground);
    QPainter painter(&image);
    painter.setFont(font);
    paintDrawing(painter, draw({0, 0, double(size.width()), double(size.height())}, FontTextSetter(painter.font())), texts);
    return image;
}

// The pixel row or column a point of the graph's logical space, 130 across
// and 300 down, falls on.
int row(qreal y) { return static_cast<int>(y * kArea.height() / 300.0); }
int column(qreal x) { return static_cast<int>(x * kArea.width() / 130.0); }

// Bars that stand on the axis up to their count, covering the grid but not
// the axis: a run of 100 guests and 1000 experiments with counts of 50, 0, 1
// and 400 in bins 60, 61, 63 and 64.
TEST(RenderedGraph, BarsLandOnTheirPixels)
{
    core::RunResult result;
    result.settings = {100, 1000};
    result.counts = core::ShortageCounts(100);
    for (const auto& [bin, count] : {std::pair{60, 50}, {61, 0}, {63, 1}, {64, 400}}) {
        result.tally.bins[static_cast<std::size_t>(bin)] = count;
    }
    const core::RunRecord run = core::recordRun(result, std::nullopt);
    const QImage image = paint(
        kArea, gothicFont(9.0),
        [&](const core::Rect& area, const FontTextSetter& setter) { return core::histogram(area, &run, {false, 0, false}, setter); },
        1, kBackground);
    const auto at = [&](int bin, qreal y) { return image.pixelColor(column(5.5 + bin), row(y)); };
    EXPECT_EQ(at(60, 230), kBlue) << "the top of a count of 50 covers the solid row of 50";
    EXPECT_EQ(at(60, 229), kBackground);
    EXPECT_EQ(at(60, 280), kBlack) << "the axis stays visible under a bar";
    EXPECT_EQ(at(61, 279), kBackground) << "a count of 0 has no bar";
    EXPECT_EQ(at(63, 279), kBlue) << "one experiment is one unit high";
    EXPECT_EQ(at(63, 277.5), kBackground);
    EXPECT_EQ(image.pixelColor(column(69.5), 0), kBlue) << "a count above 280 is clipped at the top edge";
}

// Texts anchored past each edge of a drawing's area are set just inside
// it, whole, as measured in the designed face and in a wider one, at 100 and
// 200 %: no ink on the area's outermost pixels, where the clip would cut a
// text measured short. Each is in its own colour, or else in the one given
// for texts.
TEST(RenderedDrawing, TextsAreMovedWhollyIntoTheAreaInTheirColours)
{
    const QRect area(20, 30, 200, 100);
    const QColor red(200, 0, 0);
    const struct {
        const char* what;
        core::Point anchor;
        core::Align align;
        core::Colour colour;
    } cases[] = {
        {"past the left", {-50, 60}, core::Align::Left, core::kTextColour},
        {"past the right", {300, 60}, core::Align::Right, core::kReadyColour},
        {"centred on the right edge", {220, 60}, core::Align::Centre, core::kTextColour},
        {"below the bottom", {100, 200}, core::Align::Left, core::kReadyColour},
        {"above the top", {100, -40}, core::Align::Right, core::kTextColour},
    };
    for (const char* face : {"IPAPGothic", "DejaVu Sans"}) {
        for (const int zoom : {1, 2}) {
            for (const auto& c : cases) {
                SCOPED_TRACE(::testing::Message() << face << " at " << zoom * 100 << " %, " << c.what);
                QFont font(face);
                font.setPointSizeF(9.0 * zoom);
                const QImage image = paint({240, 160}, font, [&](const core::Rect&, const FontTextSetter& setter) {
                    core::Drawing drawing{{20, 30, 200, 100}, {}};
                    drawing.text(setter, core::verbatim("Coins 100"), c.anchor, c.align, c.colour);
                    return drawing;
                }, 1, Qt::white, red);
                const int inside = testing::inkIn(image, area);
                EXPECT_GT(inside, 20);
                EXPECT_EQ(inside, testing::inkIn(image, area.adjusted(1, 1, -1, -1))) << "ink on the area's edge";
                const int reddish = testing::inkIn(image, area, [](QRgb p) { return testing::isInk(p) && qRed(p) > qGreen(p); });
                EXPECT_EQ(reddish, c.colour == core::kTextColour ? inside : 0);
            }
        }
    }
}

// The replay's path reaches the guest shown last, marked there in the
// path's colour, at a device pixel ratio of 1 and 2: after five guests of
// ten, the middle of the area.
TEST(RenderedDrawing, TheReplayPathEndsAtTheLastGuestShown)
{
    const QColor blue(core::kBarColour.red, core::kBarColour.green, core::kBarColour.blue);
    for (const int ratio : {1, 2}) {
        SCOPED_TRACE(::testing::Message() << ratio << "x");
        core::Replay replay({-1, -2, -1, 0, 1, 2, 3, 4, 5, 6});
        for (int step = 0; step < 5; ++step) {
            replay.step();
        }
        const QImage image = paint(kArea, gothicFont(9.0), [&](const core::Rect& area, const FontTextSetter& setter) {
            return core::replayPicture(area, replay, setter);
        }, ratio);
        QPoint rightmost(-1, 0);
        QPoint topmost(0, image.height());
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == blue) {
                    rightmost = x > rightmost.x() ? QPoint(x, y) : rightmost;
                    topmost = y < topmost.y() ? QPoint(x, y) : topmost;
                }
            }
        }
        EXPECT_GT(rightmost.x(), image.width() * 0.4);
        EXPECT_LT(rightmost.x(), image.width() * 0.6);
        EXPECT_LE((rightmost - topmost).manhattanLength(), 4 * ratio) << "the end dot is the path's top right";
    }
}

// The histogram's texts as the window sets them, in English and Japanese,
// in the designed face at 100 % and 200 %: none over another, and no label
// on a line where there is room for it elsewhere.
TEST(RenderedGraph, LabelsStayClearInEitherLanguage)
{
    for (const bool japanese : {false, true}) {
        QTranslator translator;
        if (japanese) {
            ASSERT_TRUE(translator.load(":/i18n/coinwell_ja.qm"));
            QCoreApplication::installTranslator(&translator);
        }
        for (const int guests : {10, 35, 100, 1000}) {
            core::RandomGenerator random(static_cast<std::uint64_t>(guests));
            core::FixedClock clock;
            const core::RunRecord run = core::recordRun(core::runExperiments({guests, 100}, random, clock), std::nullopt);
            for (const bool all : {false, true}) {
                for (const int scale : {1, 2}) {
                    QFont font = gothicFont(9.0 * scale);
                    QImage image(kArea * scale, QImage::Format_RGB32);
                    QPainter painter(&image);
                    painter.setFont(font);
                    const FontTextSetter setter(painter.font());
                    SCOPED_TRACE(::testing::Message() << (japanese ? "ja " : "en ") << guests << (all ? " all" : " none") << " x" << scale);
                    coinwell::testing::expectLabelsClear(
                        core::histogram({0, 0, double(kArea.width() * scale), double(kArea.height() * scale)}, &run,
                                        {all, all ? 95 : 0, all, all, 95, all}, setter),
                        setter);
                }
            }
        }
        // The running average at its end, where it says how soon it settled.
        for (const int guests : {10, 1000}) {
            core::RandomGenerator random(static_cast<std::uint64_t>(guests));
            core::FixedClock clock;
            core::RunningAverage running(core::runningShortages(guests, core::kRunningExperiments, random, clock), guests);
            running.finish();
            for (const int scale : {1, 2}) {
                QImage image(kArea * scale, QImage::Format_RGB32);
                QPainter painter(&image);
                painter.setFont(gothicFont(9.0 * scale));
                const FontTextSetter setter(painter.font());
                SCOPED_TRACE(::testing::Message() << (japanese ? "ja " : "en ") << guests << " running x" << scale);
                coinwell::testing::expectLabelsClear(
                    core::runningAveragePicture({0, 0, double(kArea.width() * scale), double(kArea.height() * scale)},
                                                running, 95, setter),
                    setter);
            }
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

}  // namespace
}  // namespace coinwell::graph
