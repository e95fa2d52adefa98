#pragma once

#include <QColor>
#include <QIcon>
#include <QPalette>

#include <optional>
#include <variant>
#include <vector>

namespace coinwell::platform {

struct FontSpec {
    double points = 0.0;
    bool bold = false;
};

// A system colour role of the platform, or a fixed RGB value.
using ColourSpec = std::variant<QPalette::ColorRole, QColor>;

enum class ControlKind { PushButton, Label, PictureBox, Line, MediaControl };

// One control as a window creates it. Positions and sizes are in twips from
// the top-left corner of the client area; a line gives its two end points as
// (left, top) and (right, bottom) instead of a box.
struct ControlSpec {
    ControlKind kind;
    const char* name;
    const char* caption;
    int left;
    int top;
    int width;
    int height;
    std::optional<FontSpec> font;  // none: the window's font
    std::optional<ColourSpec> background;
    std::optional<ColourSpec> foreground;
    int tabIndex;  // -1 for controls that take no focus
};

struct WindowSpec {
    const char* name;
    const char* caption;
    int left;  // client area, twips
    int top;
    int width;
    int height;
    std::optional<FontSpec> font;  // none: the platform's user-interface font
    QIcon (*icon)();               // nullptr: no icon of its own
    std::vector<ControlSpec> controls;
};

}  // namespace coinwell::platform
