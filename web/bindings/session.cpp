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
#include "core/tally_sheet.h"
#include "values.h"

#include <emscripten/bind.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace coinwell::web {
namespace {

using emscripten::val;

// What the model draws on, made before it.
struct Sources {
    explicit Sources(const std::string& seedText)
        : seed(core::readWholeNumber(seedText)),
          random(seed ? *seed : static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())),
          clock(seed ? std::unique_ptr<core::Clock>(std::make_unique<core::FixedClock>())
                     : std::make_unique<core::SystemClock>()),
          refusedSeed(seed || seedText.empty() ? std::string() : seedText)
    {
    }

    std::optional<std::uint64_t> seed;
    core::RandomGenerator random;
    std::unique_ptr<core::Clock> clock;
    std::string refusedSeed;  // the seed text given that is not a seed, which the runs then ignore
    core::RunHistory runs;
};

struct Session : Sources, core::RunModel {
    explicit Session(const std::string& seedText) : Sources(seedText), RunModel(random, *clock, seed, runs) {}
};

// The value labels' texts, by the names of their placements: the counts
// given ('' for none yet) and the average as the window shows it,
// "#####.0" ('' before a run).
struct Values {
    std::string guestCount, experimentCount, average;
};

Values values(const Session& session)
{
    const auto count = [](int value) { return value > 0 ? std::to_string(value) : std::string(); };
    const auto& record = session.record();
    return {count(session.settings().guestCount), count(session.settings().experimentCount),
            record ? core::formatOneDecimal(record->result.averageShortage()) : std::string()};
}

// The picture in `width` x `height`, its texts set by the page's setter.
val picture(const Session& session, double width, double height, const val& setter)
{
    return drawingObject(session.picture({0, 0, width, height}, PageTextSetter(setter)));
}

// The same as copied or saved: with the caption line under it while that
// option is on, its area as much taller.
val savedPicture(const Session& session, double width, double height, const val& setter)
{
    return drawingObject(session.savedPicture({0, 0, width, height}, PageTextSetter(setter)));
}

// What a command asks, as a plain object, or null.
emscripten::val question(const Session& session, int command)
{
    const std::optional<core::RunModel::Question> asked = session.question(core::Command(command));
    if (!asked) {
        return emscripten::val::null();
    }
    emscripten::val object = emscripten::val::object();
    object.set("prompt", messageObject(asked->prompt));
    object.set("title", messageObject(asked->title));
    object.set("value", asked->value);
    object.set("lowest", asked->range.lowest);
    object.set("highest", asked->range.highest);
    object.set("lines", asked->lines);
    object.set("text", asked->text);
    return object;
}

// The tally sheet for the guests given so far over `width` x `height`.
val tallySheet(const Session& session, double width, double height, const val& setter)
{
    return drawingObject(core::tallySheet({0, 0, width, height}, session.settings().guestCount, PageTextSetter(setter)));
}

}  // namespace

// The model's functions of plain values are bound as they are; the others
// take the page's numbers for commands and options, and give plain values.
EMSCRIPTEN_BINDINGS(coinwell_session)
{
    using core::Command, core::Option, core::RunModel;
    emscripten::value_object<Values>("Values")
        .field("guestCount", &Values::guestCount)
        .field("experimentCount", &Values::experimentCount)
        .field("average", &Values::average);
    emscripten::class_<RunModel>("RunModel")
        .function("setGuests", &RunModel::setGuestCount)
        .function("setExperiments", &RunModel::setExperimentCount)
        .function("run", &RunModel::run)
        .function("clear", &RunModel::clear)
        .function("showHistogram", &RunModel::showHistogram)
        .function("advance", &RunModel::advance)
        .function("playing", &RunModel::playing);
    emscripten::class_<Session, emscripten::base<RunModel>>("Session")
        .constructor<std::string>()
        .function("refusedSeed", +[](const Session& s) { return s.refusedSeed; })
        .function("values", &values)
        .function("csv", +[](const Session& s) { return s.table(); })
        .function("view", +[](const Session& s) { return static_cast<int>(s.view()); })  // as core::GraphView counts
        .function("option", +[](const Session& s, int index) { return s.option(Option(index)); })
        .function("restoreOption", +[](Session& s, int index, int value) { s.restoreOption(Option(index), value); })
        .function("enabled", +[](const Session& s, int command) { return s.enabled(Command(command)); })
        .function("checked", +[](const Session& s, int command) { return s.checked(Command(command)); })
        .function("trigger", +[](Session& s, int command) { return s.trigger(Command(command)); })
        .function("fileName", +[](const Session& s, int command) { return s.fileName(Command(command)); })
        .function("question", &question)
        .function("answer", +[](Session& s, int command, int value) { return s.answer(Command(command), value); })
        .function("answerText",
                  +[](Session& s, int command, const std::string& text) {
                      const std::optional<core::Message> wrong = s.answer(Command(command), text);
                      return wrong ? messageObject(*wrong) : emscripten::val::null();
                  })
        .function("picture", &picture)
        .function("savedPicture", &savedPicture)
        .function("tallySheet", &tallySheet)
        .function("description", +[](const Session& s) { return messageObject(s.description()); })
        .function("caption", +[](const Session& s) { return messageObject(s.caption()); });
}

}  // namespace coinwell::web
