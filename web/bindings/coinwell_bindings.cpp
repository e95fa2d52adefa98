// What the page asks of the core beside a session: the settings' rules, the
// windows' placement tables and texts, and the graph area's commands and
// remembered options.
#include "core/commands.h"
#include "core/help_text.h"
#include "core/settings.h"
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
    int left, top, width, height;
    double points;
    bool bold;
    val text = val::null();  // a message, or null for a control without words
};

struct CommandValue {
    int command;
    std::string name;
    val label = val::null();
    val keys = val::null();
    int part;
    bool separatorBefore;
    int check;
    bool graphKey;
};

val placements(std::span<const core::Placement> table)
{
    return arrayOf(table, [](const core::Placement& p) {
        return PlacementValue{std::string(p.name), p.left, p.top, p.width, p.height, p.points, p.bold,
                              p.text.source.empty() ? val::null() : messageObject(core::say(p.text))};
    });
}

// The rows of the commands the page offers, with the table's numbers for
// its parts and checks.
val commands()
{
    val rows = val::array();
    for (const core::CommandInfo& info : core::kCommands) {
        if (info.frontEnds == core::FrontEnds::Desktop) {
            continue;
        }
        val keys = val::array();
        for (const std::string_view key : info.keys) {
            if (!key.empty()) {
                keys.call<void>("push", std::string(key));
            }
        }
        rows.call<void>("push", val(CommandValue{static_cast<int>(info.command), std::string(info.name),
                                                 messageObject(core::commandLabel(info.command)), keys,
                                                 static_cast<int>(info.part), info.separatorBefore,
                                                 static_cast<int>(info.check), info.graphKey}));
    }
    return rows;
}

// The windows' texts, by the names the page gives them.
val windowTexts()
{
    val texts = val::object();
    const std::pair<const char*, core::Phrase> named[] = {
        {"mainWindowTitle", core::kMainWindowTitle},   {"programName", core::kProgramName},
        {"graphName", core::kGraphName},               {"namedValue", core::kNamedValue},
        {"graphMenuName", core::kGraphMenuName},
        {"firstGuestsTitle", core::kFirstGuestsTitle}, {"firstExperimentsTitle", core::kFirstExperimentsTitle},
        {"guestsTitle", core::kGuestsTitle},           {"experimentsTitle", core::kExperimentsTitle},
        {"countPrompt", core::kCountPrompt},           {"exitNotice", core::kExitNotice},
        {"imageWidthPrompt", core::kImageWidthPrompt}, {"saveImageTitle", core::kSaveImageTitle},
        {"helpWindowTitle", core::kHelpWindowTitle},   {"helpText", core::kHelpText},
        {"helpTextName", core::kHelpTextName},         {"sharesCaption", core::kSharesCaption},
        {"replayCaption", core::kReplayCaption},
    };
    for (const auto& [name, phrase] : named) {
        texts.set(name, messageObject(core::say(phrase)));
    }
    return texts;
}

// The count the rule accepts for an entry, -1 for one it does not accept.
template <const core::CountRange& range>
int accepted(const std::u16string& entry)
{
    return core::acceptEntry(entry, range).value_or(-1);
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
        .field("check", &CommandValue::check)
        .field("graphKey", &CommandValue::graphKey);
    constant("guestLowest", core::kGuestRange.lowest);
    constant("guestHighest", core::kGuestRange.highest);
    constant("experimentLowest", core::kExperimentRange.lowest);
    constant("experimentHighest", core::kExperimentRange.highest);
    constant("mainWindowWidth", core::kMainWindowWidth);
    constant("mainWindowHeight", core::kMainWindowHeight);
    constant("helpWindowWidth", core::kHelpWindowWidth);
    constant("helpWindowHeight", core::kHelpWindowHeight);
    function("acceptedGuests", &accepted<core::kGuestRange>);
    function("acceptedExperiments", &accepted<core::kExperimentRange>);
    function("mainWindowPlacements", +[] { return placements(core::kMainWindowPlacements); });
    function("helpWindowPlacements", +[] { return placements(core::kHelpWindowPlacements); });
    function("commands", &commands);
    function("options", +[] {
        return arrayOf(core::kOptions, [](const core::OptionInfo& info) { return std::string(info.name); });
    });
    function("windowTexts", &windowTexts);
    function("seedHighest", +[] { return std::to_string(std::numeric_limits<std::uint64_t>::max()); });
}

}  // namespace coinwell::web
