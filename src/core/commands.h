#pragma once

#include "core/message.h"

#include <array>
#include <string_view>

// Every command of the graph area and every option it remembers, declared
// once: both front ends build their menus and key handling from these
// tables and store the options under these names.
namespace coinwell::core {

enum class Command {
    CopyGraph,
    SaveImage,  // the desktop's, which asks for PNG or SVG with the file's name
    SavePng,    // the page's two
    SaveSvg,
    SaveCsv,
    Print,
    ExactLaw,
    CoinsReady,
    CoverageCurve,
    FitAxes,
    PrecisionTable,
    Share90,
    Share95,
    Share99,
    SquareRootLaw,
    Replay,
    RunningAverage,
    Pause,
    NextGuest,
    Faster,
    Slower,
    WholeMeeting,
    Mirror,
    MirrorRaise,
    MirrorLower,
    BackToHistogram,
    CaptionOnImage,
    CoinShare,
    ClassMeetings,
    TallySheet,
};

// Where an item stands: the graph's menu, or one of its submenus, which the
// page shows as captioned groups.
enum class MenuPart { Graph, Shares, Replay };
enum class FrontEnds { Both, Desktop, Page };
// Playing: a replay or the running average shows. Mirrored: a replay
// mirrored at a level the meeting has reached.
enum class EnabledWhen { Always, HasPicture, HasResult, GuestsGiven, Playing, Replaying, Mirrored, AwayFromHistogram };
enum class Check { None, Box, Radio };

struct CommandInfo {
    Command command;
    std::string_view name;  // the desktop's object name, with "Action" after it
    Phrase label;
    // Keys in Qt's portable notation ("Ctrl+C", "Right", "Esc", "+"), the
    // first shown in the menu.
    std::array<std::string_view, 3> keys;
    MenuPart part;
    bool separatorBefore;
    FrontEnds frontEnds;
    EnabledWhen enabled;
    Check check;
    // Only while the graph has the focus, as a focused button takes it.
    bool graphKey;
};

// A remembered option: its name in the store and its value before any
// choice; a switch is 0 or 1, the share its percent.
struct OptionInfo {
    std::string_view name;
    int defaultValue;
};

enum class Option { ExactLaw, CoinsReady, CoverageCurve, ReadyPercent, FitAxes, PrecisionTable, CaptionOnImage, CoinShare };

inline constexpr std::array<OptionInfo, 8> kOptions{{
    {"showExactDistribution", 0},
    {"showCoinsReady", 0},
    {"showCoverageCurve", 0},
    {"coinsReadyPercent", 95},
    {"fitAxes", 0},
    {"showPrecision", 0},
    // A copied or saved picture carries the caption line under it.
    {"captionOnImage", 1},
    // The share of guests, in percent, who pay with a coin.
    {"coinShare", 50},
}};

constexpr const OptionInfo& optionInfo(Option option) { return kOptions[static_cast<std::size_t>(option)]; }

inline constexpr std::array<CommandInfo, 30> kCommands{{
    {Command::CopyGraph, "copyGraph", phrase("coinwell::graph::GraphMenu", "Copy graph"), {"Ctrl+C"}, MenuPart::Graph, false,
     FrontEnds::Both, EnabledWhen::HasPicture, Check::None, false},
    {Command::SaveImage, "saveGraphImage", phrase("coinwell::graph::GraphMenu", "Save graph as image..."), {"Ctrl+S"},
     MenuPart::Graph, false, FrontEnds::Desktop, EnabledWhen::HasPicture, Check::None, false},
    {Command::SavePng, "saveGraphPng", phrase("coinwell::web::Page", "Save graph as PNG..."), {"Ctrl+S"}, MenuPart::Graph,
     false, FrontEnds::Page, EnabledWhen::HasPicture, Check::None, false},
    {Command::SaveSvg, "saveGraphSvg", phrase("coinwell::web::Page", "Save graph as SVG..."), {}, MenuPart::Graph, false,
     FrontEnds::Page, EnabledWhen::HasPicture, Check::None, false},
    {Command::SaveCsv, "saveResultsCsv", phrase("coinwell::graph::GraphMenu", "Save results as CSV..."), {}, MenuPart::Graph, false,
     FrontEnds::Both, EnabledWhen::HasResult, Check::None, false},
    {Command::Print, "printGraph", phrase("coinwell::graph::GraphMenu", "Print..."), {"Ctrl+P"}, MenuPart::Graph, false,
     FrontEnds::Both, EnabledWhen::HasPicture, Check::None, false},
    {Command::ExactLaw, "exactLaw", phrase("coinwell::graph::GraphMenu", "Show the exact distribution"), {"T"}, MenuPart::Graph,
     true, FrontEnds::Both, EnabledWhen::Always, Check::Box, false},
    {Command::CoinsReady, "coinsReady", phrase("coinwell::graph::GraphMenu", "Show the coins to have ready"), {"K"},
     MenuPart::Graph, false, FrontEnds::Both, EnabledWhen::Always, Check::Box, false},
    {Command::CoverageCurve, "coverageCurve", phrase("coinwell::graph::GraphMenu", "Show the coverage curve"), {"C"},
     MenuPart::Graph, false, FrontEnds::Both, EnabledWhen::Always, Check::Box, false},
    {Command::FitAxes, "fitAxes", phrase("coinwell::graph::GraphMenu", "Fit the axes to the run"), {"F"}, MenuPart::Graph, false,
     FrontEnds::Both, EnabledWhen::Always, Check::Box, false},
    {Command::PrecisionTable, "precisionTable", phrase("coinwell::graph::GraphMenu", "Show how sure the run is"), {"S"},
     MenuPart::Graph, false, FrontEnds::Both, EnabledWhen::Always, Check::Box, false},
    {Command::Share90, "readyShare90", phrase("coinwell::graph::GraphMenu", "%1% of meetings"), {}, MenuPart::Shares, false,
     FrontEnds::Both, EnabledWhen::Always, Check::Radio, false},
    {Command::Share95, "readyShare95", phrase("coinwell::graph::GraphMenu", "%1% of meetings"), {}, MenuPart::Shares, false,
     FrontEnds::Both, EnabledWhen::Always, Check::Radio, false},
    {Command::Share99, "readyShare99", phrase("coinwell::graph::GraphMenu", "%1% of meetings"), {}, MenuPart::Shares, false,
     FrontEnds::Both, EnabledWhen::Always, Check::Radio, false},
    {Command::SquareRootLaw, "squareRoot", phrase("coinwell::graph::GraphMenu", "Show the square-root law"), {"G"},
     MenuPart::Graph, true, FrontEnds::Both, EnabledWhen::Always, Check::Box, false},
    {Command::Replay, "replay", phrase("coinwell::graph::GraphMenu", "Replay one meeting"), {"W"}, MenuPart::Graph, false,
     FrontEnds::Both, EnabledWhen::GuestsGiven, Check::Box, false},
    {Command::RunningAverage, "runningAverage", phrase("coinwell::graph::GraphMenu", "How many experiments are enough?"), {"L"},
     MenuPart::Graph, false, FrontEnds::Both, EnabledWhen::GuestsGiven, Check::Box, false},
    {Command::Pause, "replayPause", phrase("coinwell::graph::GraphMenu", "Pause or play on"), {"Space"}, MenuPart::Replay, false,
     FrontEnds::Both, EnabledWhen::Playing, Check::None, true},
    {Command::NextGuest, "replayNextGuest", phrase("coinwell::graph::GraphMenu", "Next guest"), {"Right"}, MenuPart::Replay, false,
     FrontEnds::Both, EnabledWhen::Replaying, Check::None, false},
    {Command::Faster, "replayFaster", phrase("coinwell::graph::GraphMenu", "Faster"), {"+", "="}, MenuPart::Replay, false,
     FrontEnds::Both, EnabledWhen::Replaying, Check::None, false},
    {Command::Slower, "replaySlower", phrase("coinwell::graph::GraphMenu", "Slower"), {"-"}, MenuPart::Replay, false,
     FrontEnds::Both, EnabledWhen::Replaying, Check::None, false},
    {Command::WholeMeeting, "replayWholeMeeting", phrase("coinwell::graph::GraphMenu", "To the end"), {"End"}, MenuPart::Replay,
     false, FrontEnds::Both, EnabledWhen::Playing, Check::None, false},
    {Command::Mirror, "replayMirror", phrase("coinwell::graph::GraphMenu", "Mirror at a level reached"), {"M"},
     MenuPart::Replay, false, FrontEnds::Both, EnabledWhen::Replaying, Check::Box, false},
    {Command::MirrorRaise, "replayMirrorRaise", phrase("coinwell::graph::GraphMenu", "Raise the mirror level"), {"Up"},
     MenuPart::Replay, false, FrontEnds::Both, EnabledWhen::Mirrored, Check::None, false},
    {Command::MirrorLower, "replayMirrorLower", phrase("coinwell::graph::GraphMenu", "Lower the mirror level"), {"Down"},
     MenuPart::Replay, false, FrontEnds::Both, EnabledWhen::Mirrored, Check::None, false},
    {Command::BackToHistogram, "backToHistogram", phrase("coinwell::graph::GraphMenu", "Back to the histogram"), {"Esc"},
     MenuPart::Replay, false, FrontEnds::Both, EnabledWhen::AwayFromHistogram, Check::None, false},
    {Command::CaptionOnImage, "captionOnImage", phrase("coinwell::graph::GraphMenu", "Caption under saved images"), {},
     MenuPart::Graph, true, FrontEnds::Both, EnabledWhen::Always, Check::Box, false},
    {Command::CoinShare, "coinShare", phrase("coinwell::graph::GraphMenu", "Share of guests paying with a coin..."), {},
     MenuPart::Graph, false, FrontEnds::Both, EnabledWhen::Always, Check::None, false},
    {Command::ClassMeetings, "classMeetings", phrase("coinwell::graph::GraphMenu", "Enter the class's meetings..."), {},
     MenuPart::Graph, false, FrontEnds::Both, EnabledWhen::GuestsGiven, Check::None, false},
    {Command::TallySheet, "printTallySheet", phrase("coinwell::graph::GraphMenu", "Print a tally sheet..."), {},
     MenuPart::Graph, false, FrontEnds::Both, EnabledWhen::GuestsGiven, Check::None, false},
}};

constexpr const CommandInfo& commandInfo(Command command) { return kCommands[static_cast<std::size_t>(command)]; }

// The submenus' captions.
inline constexpr Phrase kSharesCaption = phrase("coinwell::graph::GraphMenu", "Share of meetings covered");
inline constexpr Phrase kReplayCaption = phrase("coinwell::graph::GraphMenu", "Playback");

// An item's words: the shares' with their percent.
Message commandLabel(Command command);
// The share of meetings a share's item chooses, else 0.
int sharePercent(Command command);

}  // namespace coinwell::core
