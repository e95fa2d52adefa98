#include "help_window/help_text.h"

namespace coinwell::help_window {

void PrintHelpText(platform::DrawingSurface& surface)
{
    surface.Cls();
    surface.Print("");
    for (const std::string_view line : kHelpText) {
        surface.Print(line);
    }
}

}  // namespace coinwell::help_window
