// What the page asks of the core: the settings' rules, a session of runs
// with the desktop's generator and clock, the run's tally, average, coins
// to have ready and CSV table, the graph's scene with its coverage curve,
// one meeting to replay, the square-root law, and the windows' placement
// tables.
#include "core/clock.h"
#include "core/coins_ready.h"
#include "core/coverage_curve.h"
#include "core/experiment.h"
#include "core/graph_geometry.h"
#include "core/one_decimal.h"
#include "core/random_generator.h"
#include "core/result_table.h"
#include "core/run.h"
#include "core/run_record.h"
#include "core/settings.h"
#include "core/square_root_law.h"
#include "core/tally.h"
#include "core/window_layout.h"
#include "drawing_object.h"
#include "replay.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace coinwell::web {
namespace {

using emscripten::val;

// A seed as the desktop's --seed takes it: decimal digits alone, 0 to
// 2^64 - 1.
std::optional<std::uint64_t> parseSeed(const std::string& text)
{
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    std::uint64_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    return error == std::errc() && end == text.data() + text.size() ? std::optional(seed) : std::nullopt;
}

std::uint64_t momentSeed()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

// -1 for an entry the rule does not accept.
int acceptedEntry(const std::u16string& entry, int lowest, int highest)
{
    return core::acceptEntry(entry, {lowest, highest}).value_or(-1);
}

int acceptedGuests(const std::u16string& entry)
{
    return acceptedEntry(entry, core::kGuestRange.lowest, core::kGuestRange.highest);
}

int acceptedExperiments(const std::u16string& entry)
{
    return acceptedEntry(entry, core::kExperimentRange.lowest, core::kExperimentRange.highest);
}

val placements(std::span<const core::Placement> table)
{
    val list = val::array();
    for (const core::Placement& placement : table) {
        val item = val::object();
        item.set("name", std::string(placement.name));
        item.set("left", placement.left);
        item.set("top", placement.top);
        item.set("width", placement.width);
        item.set("height", placement.height);
        item.set("points", placement.points);
        item.set("bold", placement.bold);
        list.call<void>("push", item);
    }
    return list;
}

val mainWindowPlacements() { return placements(core::kMainWindowPlacements); }
val helpWindowPlacements() { return placements(core::kHelpWindowPlacements); }

val flatLines(const std::vector<core::Line>& lines)
{
    std::vector<double> flat;
    flat.reserve(4 * lines.size());
    for (const core::Line& line : lines) {
        flat.insert(flat.end(), {line.from.x, line.from.y, line.to.x, line.to.y});
    }
    return numberArray<double>(flat);
}

val flatPoints(const std::vector<core::Point>& points)
{
    std::vector<double> flat;
    flat.reserve(2 * points.size());
    for (const core::Point& point : points) {
        flat.insert(flat.end(), {point.x, point.y});
    }
    return numberArray<double>(flat);
}

val placedText(const core::PlacedText& placed)
{
    val text = val::object();
    text.set("text", placed.text);
    text.set("left", placed.topLeft.x);
    text.set("top", placed.topLeft.y);
    text.set("baseline", placed.baselineY);
    return text;
}

core::MeasuredText measured(const val& text)
{
    return {text["text"].as<std::string>(), text["width"].as<double>()};
}

val axisNumbers()
{
    val list = val::array();
    for (const core::MeasuredText& number : core::axisNumbers()) {
        list.call<void>("push", number.text);
    }
    return list;
}

// The graph's scene as plain arrays: lines and bars in logical space with
// the transform onto the area, texts and the overlay in the area's units.
val sceneObject(const core::GraphScene& scene)
{
    val out = val::object();
    val toArea = val::object();
    toArea.set("scaleX", scene.toArea.scaleX);
    toArea.set("scaleY", scene.toArea.scaleY);
    toArea.set("dx", scene.toArea.dx);
    toArea.set("dy", scene.toArea.dy);
    out.set("toArea", toArea);
    out.set("frame", flatLines(scene.frame));
    std::vector<double> bars;
    bars.reserve(4 * scene.bars.size());
    for (const core::Rect& bar : scene.bars) {
        bars.insert(bars.end(), {bar.left, bar.top, bar.width, bar.height});
    }
    out.set("bars", numberArray<double>(bars));
    out.set("axis", flatLines({scene.horizontalAxis}));
    val texts = val::array();
    for (const core::PlacedText& text : scene.texts) {
        texts.call<void>("push", placedText(text));
    }
    out.set("texts", texts);
    if (scene.overlay) {
        val overlay = val::object();
        overlay.set("line", flatPoints(scene.overlay->line));
        overlay.set("lineWidth", scene.overlay->lineWidth);
        overlay.set("mark", flatPoints(scene.overlay->mark));
        overlay.set("label", placedText(scene.overlay->label));
        out.set("overlay", overlay);
    }
    if (scene.ready) {
        val ready = val::object();
        ready.set("line", flatLines({scene.ready->line}));
        ready.set("label", placedText(scene.ready->label));
        if (scene.ready->exactLine) {
            ready.set("exactLine", flatLines({*scene.ready->exactLine}));
        }
        if (scene.ready->exactLabel) {
            ready.set("exactLabel", placedText(*scene.ready->exactLabel));
        }
        out.set("ready", ready);
    }
    return out;
}

// The runs of one opening of the page. As in the desktop window, every run
// draws on from where the one before left the generator: with a seed, the
// same clicks give what `coinwell --seed N` gives, and the time of day is
// never read; without one, the generator starts from the moment and each
// experiment re-seeds it from the time of day.
class Session {
public:
    explicit Session(const std::string& seedText)
        : seed_(parseSeed(seedText)), random_(seed_ ? *seed_ : momentSeed()),
          refusedSeed_(seed_ || seedText.empty() ? std::string() : seedText)
    {
        if (seed_) {
            clock_ = std::make_unique<core::FixedClock>();
        } else {
            clock_ = std::make_unique<core::SystemClock>();
        }
    }

    bool seeded() const { return seed_.has_value(); }
    std::string seed() const { return seed_ ? std::to_string(*seed_) : std::string(); }
    // The seed text given that is not a seed, which the runs then ignore.
    std::string refusedSeed() const { return refusedSeed_; }

    void run(int guests, int experiments)
    {
        const core::Settings settings{guests, experiments};
        record_ = core::recordRun(core::runExperiments(settings, random_, *clock_), seed_);
        runs_.add(record_->result);
    }

    // One meeting more from the runs' generator and clock, so that a seeded
    // page replays the same meetings.
    Replay meeting(int guests) { return Replay(core::meetingBalances(guests, random_, *clock_)); }

    void clear() { record_.reset(); }
    bool hasResult() const { return record_.has_value(); }

    int guests() const { return record_ ? record_->result.settings.guestCount : 0; }
    int experiments() const { return record_ ? record_->result.settings.experimentCount : 0; }

    // "#####.0", as the window shows it.
    std::string average() const
    {
        return record_ ? core::formatOneDecimal(record_->result.averageShortage()) : std::string();
    }

    std::string exactMean(int decimals) const
    {
        return record_ ? core::fixedDecimals(record_->law.mean(), decimals) : std::string();
    }

    val bins() const
    {
        if (!record_) {
            return val::array();
        }
        return numberArray<std::int32_t>(record_->result.tally.bins);
    }

    std::string csv() const { return record_ ? core::resultTable(*record_) : std::string(); }

    // The coins to have ready for 90, 95 and 99 % of meetings, as the batch
    // report gives them: [{percent, run, exact}...], empty before a run.
    val coinsToHaveReady() const
    {
        val list = val::array();
        if (record_) {
            for (const int percent : core::kReadyPercents) {
                val ready = val::object();
                ready.set("percent", percent);
                ready.set("run", core::coinsToHaveReady(record_->result.counts, percent));
                ready.set("exact", core::coinsToHaveReady(record_->law, percent));
                list.call<void>("push", ready);
            }
        }
        return list;
    }

    // The graph of the run (an empty one before a run) in an area of
    // `width` x `height`, with the texts as the page measured them:
    // { verticalCaption, horizontalCaption, exactMean: {text, width},
    // numbers: [width...] in the order of axisNumbers(), lineHeight, ascent,
    // ready, exactReady: {text, width} }. The coins to have ready for
    // `readyPercent` percent of meetings are marked when `readyShown`, with
    // the exact law's too when that is shown; a share the reports do not
    // answer for marks nothing.
    // With `coverageShown`, the scene's `coverage` is the coverage curve's
    // drawing, for which measuredTexts also holds coverageTop (the scale's
    // 100 %) and digitWidth.
    val graph(double width, double height, const val& measuredTexts, bool withExactLaw, bool readyShown,
              int readyPercent, bool coverageShown) const
    {
        core::GraphTexts texts;
        texts.verticalCaption = measured(measuredTexts["verticalCaption"]);
        texts.horizontalCaption = measured(measuredTexts["horizontalCaption"]);
        texts.exactMean = measured(measuredTexts["exactMean"]);
        const val widths = measuredTexts["numbers"];
        for (std::size_t n = 0; n < texts.numbers.size(); ++n) {
            texts.numbers[n].width = widths[n].as<double>();
        }
        texts.lineHeight = measuredTexts["lineHeight"].as<double>();
        texts.ascent = measuredTexts["ascent"].as<double>();
        std::optional<core::ExactOverlay> overlay;
        if (record_ && withExactLaw) {
            overlay = core::exactOverlay(record_->law, record_->result.settings.experimentCount);
        }
        std::optional<core::ReadyMarker> ready;
        const bool answered = std::find(core::kReadyPercents.begin(), core::kReadyPercents.end(), readyPercent) !=
                              core::kReadyPercents.end();
        if (record_ && readyShown && answered) {
            texts.ready = measured(measuredTexts["ready"]);
            texts.exactReady = measured(measuredTexts["exactReady"]);
            ready = core::readyMarker(record_->result.counts, readyPercent, withExactLaw ? &record_->law : nullptr);
        }
        const core::Tally empty;
        const core::Rect area{0, 0, width, height};
        const core::GraphScene scene =
            core::graphScene(area, record_ ? record_->result.tally : empty, texts, overlay, ready);
        val out = sceneObject(scene);
        if (record_ && coverageShown) {
            out.set("coverage", drawingObject(core::coverageCurve(
                                    scene, area, record_->result.counts, withExactLaw ? &record_->law : nullptr,
                                    measuredTexts["coverageTop"].as<std::string>(), textMetrics(measuredTexts))));
        }
        return out;
    }

    // The square-root law for `percent` (one of kReadyPercents) percent of
    // meetings with this page's runs so far, in `width` x `height`: {
    // drawing, coins: the exact coins at 100, 400 and 1000 guests, runs }.
    // texts: { verticalCaption, horizontalCaption, lineHeight, digitWidth,
    // lesson, meanLegend, coinsLegend, referenceLegend, runsLegend }.
    val squareRoot(double width, double height, const val& texts, int percent)
    {
        if (exactPercent_ != percent) {
            exact_ = core::exactForAllGuests(percent);
            exactPercent_ = percent;
        }
        const std::vector<core::RunPoint> points = runs_.points(percent);
        const core::SquareRootTexts words{chartTexts(texts), texts["lesson"].as<std::string>(),
                                          texts["meanLegend"].as<std::string>(),
                                          texts["coinsLegend"].as<std::string>(),
                                          texts["referenceLegend"].as<std::string>(),
                                          texts["runsLegend"].as<std::string>()};
        val out = val::object();
        out.set("drawing", drawingObject(core::squareRootScene({0, 0, width, height}, exact_, points, words)));
        val coins = val::array();
        for (const int coinsAt : core::exactCoinsOfNamedGuests(percent)) {
            coins.call<void>("push", coinsAt);
        }
        out.set("coins", coins);
        out.set("runs", static_cast<int>(points.size()));
        return out;
    }

private:
    std::optional<std::uint64_t> seed_;
    core::RandomGenerator random_;
    std::string refusedSeed_;
    std::unique_ptr<core::Clock> clock_;
    std::optional<core::RunRecord> record_;
    // Every run of the page, for the square-root law: its coins for each
    // of kReadyPercents.
    core::RunHistory runs_;
    std::vector<core::ExactForGuests> exact_;
    int exactPercent_ = 0;
};

}  // namespace

EMSCRIPTEN_BINDINGS(coinwell)
{
    using namespace emscripten;
    constant("guestLowest", core::kGuestRange.lowest);
    constant("guestHighest", core::kGuestRange.highest);
    constant("experimentLowest", core::kExperimentRange.lowest);
    constant("experimentHighest", core::kExperimentRange.highest);
    constant("mainWindowWidth", core::kMainWindowWidth);
    constant("mainWindowHeight", core::kMainWindowHeight);
    constant("helpWindowWidth", core::kHelpWindowWidth);
    constant("helpWindowHeight", core::kHelpWindowHeight);
    constant("lowestSingleShortage", core::Tally::kLowestSingleShortage);
    function("acceptedGuests", &acceptedGuests);
    function("acceptedExperiments", &acceptedExperiments);
    function("formatOneDecimal", &core::formatOneDecimal);
    function("mainWindowPlacements", &mainWindowPlacements);
    function("helpWindowPlacements", &helpWindowPlacements);
    function("axisNumbers", &axisNumbers);
    function("seedHighest", +[] { return std::to_string(std::numeric_limits<std::uint64_t>::max()); });
    class_<Session>("Session")
        .constructor<std::string>()
        .function("seeded", &Session::seeded)
        .function("seed", &Session::seed)
        .function("refusedSeed", &Session::refusedSeed)
        .function("run", &Session::run)
        .function("clear", &Session::clear)
        .function("hasResult", &Session::hasResult)
        .function("guests", &Session::guests)
        .function("experiments", &Session::experiments)
        .function("average", &Session::average)
        .function("exactMean", &Session::exactMean)
        .function("bins", &Session::bins)
        .function("graph", &Session::graph)
        .function("csv", &Session::csv)
        .function("coinsToHaveReady", &Session::coinsToHaveReady)
        .function("meeting", &Session::meeting)
        .function("squareRoot", &Session::squareRoot);
}

}  // namespace coinwell::web
