#include "help_window/form2_layout.h"

namespace coinwell::help_window {

using platform::ControlKind;
using platform::FontSpec;

const platform::WindowSpec& Form2Layout()
{
    // The window keeps the platform's user-interface font and no icon of its
    // own; only the help text is set in the Gothic face.
    // clang-format off
    static const platform::WindowSpec layout{
        "Form2", "Coinwell 3 _ Help (Problem and operation)", 3090, 2040, 9255, 8415, std::nullopt, nullptr,
        {
        //  kind                       name        caption  left  top  width height font                   background          foreground             tab
            {ControlKind::PictureBox,  "Picture1", "",      120,  480, 9015, 7935,  FontSpec{11.25, false}, QColor(Qt::white),  QPalette::ButtonText,  1},
            {ControlKind::PushButton,  "Command1", "Close", 8400, 0,   735,  375,   std::nullopt,           std::nullopt,       std::nullopt,          0},
            // A line gives its end points: from (9120, 360) to (120, 360).
            {ControlKind::Line,        "Line1",    "",      9120, 360, 120,  360,   std::nullopt,           std::nullopt,       QPalette::WindowText,  -1},
        },
    };
    // clang-format on
    return layout;
}

}  // namespace coinwell::help_window
