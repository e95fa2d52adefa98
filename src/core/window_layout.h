#pragma once

#include <span>
#include <string_view>

namespace coinwell::core {

// Where a control of a window stands, in device-independent pixels of the
// window's client area at 100 %, and the size of its face in points. Every
// front end lays its windows out from these tables, and names the controls
// by `name`.
struct Placement {
    std::string_view name;
    int left;
    int top;
    int width;
    int height;
    double points;
    bool bold;
};

inline constexpr int kMainWindowWidth = 603;
inline constexpr int kMainWindowHeight = 512;

inline constexpr double kWindowPoints = 11.25;
inline constexpr double kValuePoints = 14.25;
inline constexpr double kCaptionPoints = 9.0;

// The main window's controls in the order the window makes them: later ones
// lie over earlier ones where they meet. Init runs 6 pixels past the right
// edge, and each caption shares its right border with its value's left one.
inline constexpr Placement kMainWindowPlacements[] = {
    // name                      left  top  width height  points          bold
    {"helpButton",               488,   0,  57,  25,      kWindowPoints,  false},
    {"graphView",                 32,  40, 537, 385,      kCaptionPoints, false},
    {"initButton",               552,   0,  57,  25,      kWindowPoints,  false},
    {"exitButton",                 0,   0,  57,  25,      kWindowPoints,  false},
    {"startButton",              528, 448,  65,  41,      12.0,           true},
    {"titleLabel",                88,   0, 369,  25,      kValuePoints,   true},
    {"guestCountCaption",          8, 440, 153,  25,      kCaptionPoints, true},
    {"guestCountValue",          160, 440,  73,  25,      kValuePoints,   false},
    {"topRule",                    0,  24, 601,   1,      kWindowPoints,  false},
    {"averageCaption",           240, 456, 209,  25,      9.75,           true},
    {"averageValue",             448, 456,  73,  25,      kValuePoints,   false},
    {"experimentCountValue",     160, 472,  73,  25,      kValuePoints,   false},
    {"experimentCountCaption",     8, 472, 153,  25,      kCaptionPoints, true},
};

inline constexpr int kHelpWindowWidth = 617;
inline constexpr int kHelpWindowHeight = 561;

// The help window: only its text is set in the Gothic face (points 0: the
// desktop's own face).
inline constexpr Placement kHelpWindowPlacements[] = {
    {"helpText",      8, 32, 601, 529, 11.25, false},
    {"closeButton", 560,  0,  49,  25, 0.0,   false},
    {"topRule",       8, 24, 601,   1, 0.0,   false},
};

}  // namespace coinwell::core
