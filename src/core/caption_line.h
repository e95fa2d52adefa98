#pragma once

#include "core/drawing.h"

#include <string>
#include <vector>

namespace coinwell::core {

// The words broken into lines no wider than `width` as the setter measures
// them: after a blank or a Japanese comma or full stop, and a piece wider
// than a whole line between any two characters. No line ends in a blank.
std::vector<std::string> wrappedLines(const std::string& words, double width, const TextSetter& setter);

// The picture with `caption` under it, for a picture that leaves the
// window on its own: its area grows downwards by the caption's lines, set
// half a line from the picture and from the edges.
Drawing withCaption(Drawing picture, const Message& caption, const TextSetter& setter);

}  // namespace coinwell::core
