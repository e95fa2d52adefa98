// What the page asks of the core beside a session: the settings' rules, the
// windows' placement tables and texts, and the graph area's commands and
// remembered options.
#include "core/commands.h"
#include "core/help_text.h"
#include "core/one_decimal.h"
#include "core/settings.h"
#include "core/tally.h"
#include "core/window_layout.h"
#include "values.h"

#include <emscripten/bind.h>

#include <cstdint>
#include <limits>
#include <span>
#include <string>

namespace coinwell::web {
namespace {

using emscripten::val;

struct PlacementValue {
    std::string name;
    int left = 0, top = 0, width = 0, height = 0;
    double points = 0.0;
    bool bold = false;
    val text = val::null();  // a message, or null for a control without words
};

struct CommandValue {
    int command = 0;
    std::string name;
    val label = val::null();
    val keys = val::null();
    int part = 0;
    bool separatorBefore = false;
    int frontEnds = 0;
    int check = 0;
    bool graphKey = false;
};

struct OptionValue {
    std::string name;
    int defaultValue = 0;
};

template <typename Items, typename Make>
val arrayOf(const Items& items, Make make)
{
    val list = val::array();
    for (const auto& item : items) {
        list.call<void>("push", val(make(item)));
    }
    return list;
}

val placements(std::span<const core::Placement> table)
{
    return arrayOf(table, [](const core::Placement& p) {
        return PlacementValue{std::string(p.name), p.left, p.top, p.width, p.height, p.points, p.bold,
                              p.text.source.empty() ? val::null() : messageObject(core::say(p.text))};
    });
}

val commands()
{
    return arrayOf(core::kCommands, [](const core::CommandInfo& info) {
        val keys = val::array();
        for (const std::string_view key : info.keys) {
            if (!key.empty()) {
                keys.call<void>("push", std::string(key));
            }
        }
        return CommandValue{static_cast<int>(info.command), std::string(info.name),
                            messageObject(core::commandLabel(info.command)), keys, static_cast<int>(info.part),
                            info.separatorBefore, static_cast<int>(info.frontEnds), static_cast<int>(info.check),
                            info.graphKey};
    });
}

val options()
{
    return arrayOf(core::kOptions,
                   [](const core::OptionInfo& info) { return OptionValue{std::string(info.name), info.defaultValue}; });
}

// The windows' texts, by the names the page gives them.
val windowTexts()
{
    val texts = val::object();
    const std::pair<const char*, core::Phrase> named[] = {
        {"mainWindowTitle", core::kMainWindowTitle},   {"programName", core::kProgramName},
        {"graphName", core::kGraphName},               {"namedValue", core::kNamedValue},
        {"firstGuestsTitle", core::kFirstGuestsTitle}, {"firstExperimentsTitle", core::kFirstExperimentsTitle},
        {"guestsTitle", core::kGuestsTitle},           {"experimentsTitle", core::kExperimentsTitle},
        {"countPrompt", core::kCountPrompt},           {"exitNotice", core::kExitNotice},
        {"imageWidthPrompt", core::kImageWidthPrompt}, {"saveImageTitle", core::kSaveImageTitle},
        {"helpWindowTitle", core::kHelpWindowTitle},   {"helpText", core::kHelpText},
        {"helpTextName", core::kHelpTextName},
        {"sharesCaption", core::kSharesCaption},       {"replayCaption", core::kReplayCaption},
    };
    for (const auto& [name, phrase] : named) {
        texts.set(name, messageObject(core::say(phrase)));
    }
    return texts;
}

// -1 for an entry the rule does not accept.
int acceptedGuests(const std::u16string& entry) { return core::acceptEntry(entry, core::kGuestRange).value_or(-1); }

int acceptedExperiments(const std::u16string& entry)
{
    return core::acceptEntry(entry, core::kExperimentRange).value_or(-1);
}

}  // namespace

EMSCRIPTEN_BINDINGS(coinwell)
{
    using namespace emscripten;
    value_object<PlacementValue>("Placement")
        .field("name", &PlacementValue::name)
        .field("left", &PlacementValue::left)
        .field("top", &PlacementValue::top)
        .field("width", &PlacementValue::width)
        .field("height", &PlacementValue::height)
        .field("points", &PlacementValue::points)
        .field("bold", &PlacementValue::bold)
        .field("text", &PlacementValue::text);
    value_object<CommandValue>("Command")
        .field("command", &CommandValue::command)
        .field("name", &CommandValue::name)
        .field("label", &CommandValue::label)
        .field("keys", &CommandValue::keys)
        .field("part", &CommandValue::part)
        .field("separatorBefore", &CommandValue::separatorBefore)
        .field("frontEnds", &CommandValue::frontEnds)
        .field("check", &CommandValue::check)
        .field("graphKey", &CommandValue::graphKey);
    value_object<OptionValue>("Option").field("name", &OptionValue::name).field("defaultValue", &OptionValue::defaultValue);
    constant("guestLowest", core::kGuestRange.lowest);
    constant("guestHighest", core::kGuestRange.highest);
    constant("experimentLowest", core::kExperimentRange.lowest);
    constant("experimentHighest", core::kExperimentRange.highest);
    constant("mainWindowWidth", core::kMainWindowWidth);
    constant("mainWindowHeight", core::kMainWindowHeight);
    constant("helpWindowWidth", core::kHelpWindowWidth);
    constant("helpWindowHeight", core::kHelpWindowHeight);
    function("acceptedGuests", &acceptedGuests);
    function("acceptedExperiments", &acceptedExperiments);
    function("formatOneDecimal", &core::formatOneDecimal);
    function("mainWindowPlacements", +[] { return placements(core::kMainWindowPlacements); });
    function("helpWindowPlacements", +[] { return placements(core::kHelpWindowPlacements); });
    function("commands", &commands);
    function("options", &options);
    function("windowTexts", &windowTexts);
    function("seedHighest", +[] { return std::to_string(std::numeric_limits<std::uint64_t>::max()); });
}

}  // namespace coinwell::web
