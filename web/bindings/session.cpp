// The runs of one opening of the page: the core's model of a main window
// with the desktop's generator and clock. As in the desktop window, every
// run and every replayed meeting draws on from where the one before left
// the generator: with a seed, the same clicks give what `coinwell --seed N`
// gives, and the time of day is never read; without one, the generator
// starts from the moment and each experiment re-seeds it from the time of
// day.
#include "core/clock.h"
#include "core/one_decimal.h"
#include "core/random_generator.h"
#include "core/read_number.h"
#include "core/result_table.h"
#include "core/run_model.h"
#include "values.h"

#include <emscripten/bind.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace coinwell::web {
namespace {

using emscripten::val;

std::unique_ptr<core::Clock> clockFor(const std::optional<std::uint64_t>& seed)
{
    if (seed) {
        return std::make_unique<core::FixedClock>();
    }
    return std::make_unique<core::SystemClock>();
}

class Session {
public:
    explicit Session(const std::string& seedText)
        : seed_(core::readWholeNumber(seedText)),
          random_(seed_ ? *seed_
                        : static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())),
          clock_(clockFor(seed_)), refusedSeed_(seed_ || seedText.empty() ? std::string() : seedText),
          model_(random_, *clock_, seed_, runs_)
    {
    }

    bool seeded() const { return seed_.has_value(); }
    std::string seed() const { return seed_ ? std::to_string(*seed_) : std::string(); }
    // The seed text given that is not a seed, which the runs then ignore.
    std::string refusedSeed() const { return refusedSeed_; }

    int guests() const { return model_.settings().guestCount; }
    int experiments() const { return model_.settings().experimentCount; }
    void setGuests(int count) { model_.setGuestCount(count); }
    void setExperiments(int count) { model_.setExperimentCount(count); }
    void run() { model_.run(); }
    void clear() { model_.clear(); }
    bool hasResult() const { return model_.record().has_value(); }
    // "#####.0", as the window shows it; empty before a run.
    std::string average() const
    {
        return hasResult() ? core::formatOneDecimal(model_.record()->result.averageShortage()) : std::string();
    }
    std::string csv() const { return hasResult() ? core::resultTable(*model_.record()) : std::string(); }

    // 0 the histogram, 1 the replay, 2 the square-root law.
    int view() const { return static_cast<int>(model_.view()); }
    void showHistogram() { model_.showHistogram(); }
    void advanceReplay(double seconds) { model_.advanceReplay(seconds); }
    bool replayPlaying() const { return model_.replayPlaying(); }
    bool replayFinished() const { return model_.replay() != nullptr && model_.replay()->finished(); }

    int option(int index) const { return model_.option(static_cast<core::Option>(index)); }
    void restoreOption(int index, int value) { model_.restoreOption(static_cast<core::Option>(index), value); }
    bool enabled(int command) const { return model_.enabled(static_cast<core::Command>(command)); }
    bool checked(int command) const { return model_.checked(static_cast<core::Command>(command)); }
    bool trigger(int command) { return model_.trigger(static_cast<core::Command>(command)); }

    // The picture in `width` x `height`, its texts set by the page's setter.
    val picture(double width, double height, const val& setter) const
    {
        return drawingObject(model_.picture({0, 0, width, height}, PageTextSetter(setter)));
    }
    val description() const { return messageObject(model_.description()); }
    val caption() const { return messageObject(model_.caption()); }
    std::string fileName(int command) const { return model_.fileName(static_cast<core::Command>(command)); }

private:
    std::optional<std::uint64_t> seed_;
    core::RandomGenerator random_;
    std::unique_ptr<core::Clock> clock_;
    std::string refusedSeed_;
    core::RunHistory runs_;
    core::RunModel model_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(coinwell_session)
{
    emscripten::class_<Session>("Session")
        .constructor<std::string>()
        .function("seeded", &Session::seeded)
        .function("seed", &Session::seed)
        .function("refusedSeed", &Session::refusedSeed)
        .function("guests", &Session::guests)
        .function("experiments", &Session::experiments)
        .function("setGuests", &Session::setGuests)
        .function("setExperiments", &Session::setExperiments)
        .function("run", &Session::run)
        .function("clear", &Session::clear)
        .function("hasResult", &Session::hasResult)
        .function("average", &Session::average)
        .function("csv", &Session::csv)
        .function("view", &Session::view)
        .function("showHistogram", &Session::showHistogram)
        .function("advanceReplay", &Session::advanceReplay)
        .function("replayPlaying", &Session::replayPlaying)
        .function("replayFinished", &Session::replayFinished)
        .function("option", &Session::option)
        .function("restoreOption", &Session::restoreOption)
        .function("enabled", &Session::enabled)
        .function("checked", &Session::checked)
        .function("trigger", &Session::trigger)
        .function("picture", &Session::picture)
        .function("description", &Session::description)
        .function("caption", &Session::caption)
        .function("fileName", &Session::fileName);
}

}  // namespace coinwell::web
