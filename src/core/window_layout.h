#pragma once

#include "core/message.h"

#include <span>
#include <string_view>

namespace coinwell::core {

// Where a control of a window stands, in device-independent pixels of the
// window's client area at 100 %, and the size of its face in points. Every
// front end lays its windows out from these tables, names the controls by
// `name` and shows `text` on them.
struct Placement {
    std::string_view name;
    int left;
    int top;
    int width;
    int height;
    double points;
    bool bold;
    Phrase text{};
};

// The windows' texts beside their controls': titles, questions and notices.
inline constexpr Phrase kMainWindowTitle = phrase("coinwell::MainWindow", "Coinwell 3");
inline constexpr Phrase kProgramName = phrase("coinwell::MainWindow", "Coinwell");
inline constexpr Phrase kGraphName = phrase("coinwell::MainWindow", "Frequency-distribution graph");
// The graph menu button's name for screen readers; the button shows a
// symbol, the same in every language.
inline constexpr Phrase kGraphMenuName = phrase("coinwell::MainWindow", "Graph menu");
inline constexpr Phrase kGraphMenuSymbol{{}, "☰"};
// A value label's name for screen readers: its caption and its value.
inline constexpr Phrase kNamedValue = phrase("coinwell::MainWindow", "%1: %2");
// The first questions' titles start with a blank; Init's do not.
inline constexpr Phrase kFirstGuestsTitle = phrase("coinwell::MainWindow", " Setting the number of guests");
inline constexpr Phrase kFirstExperimentsTitle = phrase("coinwell::MainWindow", " Setting the number of experiments");
inline constexpr Phrase kGuestsTitle = phrase("coinwell::MainWindow", "Setting the number of guests");
inline constexpr Phrase kExperimentsTitle = phrase("coinwell::MainWindow", "Setting the number of experiments");
inline constexpr Phrase kCountPrompt = phrase("coinwell::MainWindow", "Please enter an integer between %1 and %2 ...");
inline constexpr Phrase kExitNotice = phrase("coinwell::MainWindow", "This software will exit.");
inline constexpr Phrase kImageWidthPrompt = phrase("coinwell::graph::GraphMenu", "Width of the image in pixels:");
inline constexpr Phrase kCoinSharePrompt =
    phrase("coinwell::graph::GraphMenu", "Guests who pay with a 500-yen coin, in percent (%1 to %2):");
inline constexpr Phrase kClassMeetingsPrompt =
    phrase("coinwell::graph::GraphMenu", "The shortage of each meeting your class held, or its %1 tosses as H (pays with a "
                                         "coin) and T (takes change), separated by blanks, commas or lines:");
inline constexpr Phrase kClassMeetingsTitle = phrase("coinwell::graph::GraphMenu", "The class's meetings");
inline constexpr Phrase kSaveImageTitle = phrase("coinwell::graph::GraphMenu", "Save graph as image");
inline constexpr Phrase kHelpWindowTitle = phrase("coinwell::HelpWindow", "Coinwell 3 _ Help (Problem and operation)");
inline constexpr Phrase kHelpTextName = phrase("coinwell::HelpWindow", "Help text");

inline constexpr int kMainWindowWidth = 603;
inline constexpr int kMainWindowHeight = 512;

inline constexpr double kWindowPoints = 11.25;
inline constexpr double kValuePoints = 14.25;
inline constexpr double kCaptionPoints = 9.0;

// The main window's controls in the order the window makes them: later ones
// lie over earlier ones where they meet. Init runs 6 pixels past the right
// edge, and each caption shares its right border with its value's left one.
// The graph menu button opens the graph's menu under it, in the top row's
// gap between the title and Help.
inline constexpr Placement kMainWindowPlacements[] = {
    // name                      left  top  width height  points          bold
    {"helpButton",               488,   0,  57,  25,      kWindowPoints,  false, phrase("coinwell::MainWindow", "Help")},
    {"graphView",                 32,  40, 537, 385,      kCaptionPoints, false},
    {"graphMenuButton",          459,   0,  27,  25,      10.5,           false, kGraphMenuSymbol},
    {"initButton",               552,   0,  57,  25,      kWindowPoints,  false, phrase("coinwell::MainWindow", "Init")},
    {"exitButton",                 0,   0,  57,  25,      kWindowPoints,  false, phrase("coinwell::MainWindow", "Exit")},
    {"startButton",              528, 448,  65,  41,      12.0,           true, phrase("coinwell::MainWindow", "Start")},
    {"titleLabel",                88,   0, 369,  25,      kValuePoints,   true, phrase("coinwell::MainWindow", "Coinwell (Part 3)")},
    {"guestCountCaption",          8, 440, 153,  25,      kCaptionPoints, true, phrase("coinwell::MainWindow", "Number of guests")},
    {"guestCountValue",          160, 440,  73,  25,      kValuePoints,   false},
    {"topRule",                    0,  24, 601,   1,      kWindowPoints,  false},
    {"averageCaption",           240, 456, 209,  25,      9.75,           true, phrase("coinwell::MainWindow", "Average number of shortage")},
    {"averageValue",             448, 456,  73,  25,      kValuePoints,   false},
    {"experimentCountValue",     160, 472,  73,  25,      kValuePoints,   false},
    {"experimentCountCaption",     8, 472, 153,  25,      kCaptionPoints, true, phrase("coinwell::MainWindow", "Number of experiments")},
};

inline constexpr int kHelpWindowWidth = 617;
inline constexpr int kHelpWindowHeight = 561;

// The help window: only its text is set in the Gothic face (points 0: the
// desktop's own face).
inline constexpr Placement kHelpWindowPlacements[] = {
    {"helpText",      8, 32, 601, 529, 11.25, false},
    {"closeButton", 560,  0,  49,  25, 0.0,   false, phrase("coinwell::HelpWindow", "Close")},
    {"topRule",       8, 24, 601,   1, 0.0,   false},
};

}  // namespace coinwell::core
