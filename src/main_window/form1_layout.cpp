#include "main_window/form1_layout.h"

#include "main_window/coin_icon.h"

namespace coinwell::main_window {
namespace {

using platform::ControlKind;
using platform::FontSpec;

const QColor kWhite(255, 255, 255);
const QColor kLightCyan(128, 255, 255);
constexpr FontSpec kWindowFont{11.25, false};
constexpr FontSpec kValueFont{14.25, false};
constexpr FontSpec kCaptionFont{9.0, true};

}  // namespace

const platform::WindowSpec& Form1Layout()
{
    // clang-format off
    static const platform::WindowSpec layout{
        "Form1", "Coinwell 3", 3480, 1485, 9045, 7680, kWindowFont, &CoinIcon,
        {
        //  kind                       name          caption                        left  top   width height font                         background           foreground                 tab
            {ControlKind::PushButton,  "Command4",   "Help",                        7320, 0,    855,  375,   std::nullopt,                std::nullopt,        std::nullopt,              12},
            {ControlKind::PictureBox,  "Picture1",   "",                            480,  600,  8055, 5775,  FontSpec{9.0, false},        QPalette::Button,    QPalette::ButtonText,      11},
            {ControlKind::MediaControl,"MMControl1", "",                            3000, 7320, 3540, 330,   std::nullopt,                std::nullopt,        std::nullopt,              10},
            {ControlKind::PushButton,  "Command3",   "Init",                        8280, 0,    855,  375,   std::nullopt,                std::nullopt,        std::nullopt,              6},
            {ControlKind::PushButton,  "Command2",   "Exit",                        0,    0,    855,  375,   std::nullopt,                std::nullopt,        std::nullopt,              5},
            {ControlKind::PushButton,  "Command1",   "Start",                       7920, 6720, 975,  615,   FontSpec{12.0, true},        std::nullopt,        std::nullopt,              0},
            {ControlKind::Label,       "Label84",    "Coinwell (Part 3)",           1320, 0,    5535, 375,   FontSpec{14.25, true},       kLightCyan,          QPalette::WindowText,      9},
            {ControlKind::Label,       "Label83",    "Number of guests",            120,  6600, 2295, 375,   kCaptionFont,                kWhite,              std::nullopt,              8},
            {ControlKind::Label,       "Label82",    "",                            2400, 6600, 1095, 375,   kValueFont,                  kWhite,              std::nullopt,              7},
            {ControlKind::Line,        "Line1",      "",                            0,    360,  9000, 360,   std::nullopt,                std::nullopt,        QPalette::WindowText,      -1},
            {ControlKind::Label,       "Label4",     "Average number of shortage",  3600, 6840, 3135, 375,   FontSpec{9.75, true},        kWhite,              std::nullopt,              4},
            {ControlKind::Label,       "Label3",     "",                            6720, 6840, 1095, 375,   kValueFont,                  kWhite,              std::nullopt,              3},
            {ControlKind::Label,       "Label2",     "",                            2400, 7080, 1095, 375,   kValueFont,                  kWhite,              std::nullopt,              2},
            {ControlKind::Label,       "Label1",     "Number of experiments",       120,  7080, 2295, 375,   kCaptionFont,                kWhite,              std::nullopt,              1},
        },
    };
    // clang-format on
    return layout;
}

}  // namespace coinwell::main_window
