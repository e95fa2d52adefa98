#pragma once

#include "core/drawing.h"

// A sheet a class fills in by hand while tossing real coins for the guests
// given so far: the problem, how to fill it in, and a row for each meeting
// with a box per guest for H or T and a box for its lowest balance, as many
// meetings as fit, for the class's meetings to be typed back from.
namespace coinwell::core {

// The sheet over `page`, in the page's units, its texts measured by the
// setter; `guests` as an experiment takes them.
Drawing tallySheet(const Rect& page, int guests, const TextSetter& setter);

}  // namespace coinwell::core
