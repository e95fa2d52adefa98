#pragma once

// What the bindings share: plain number arrays handed over in one call, the
// views' pictures as such arrays, and the font's metrics as the page
// measured them.
#include "core/chart.h"
#include "core/drawing.h"

#include <emscripten/val.h>

#include <span>

namespace coinwell::web {

// A plain array of numbers made in one call: a push per number through
// embind costs far more than copying them out of the module's memory.
template <typename Number>
emscripten::val numberArray(std::span<const Number> numbers)
{
    static const emscripten::val array = emscripten::val::global("Array");
    return array.call<emscripten::val>("from",
                                       emscripten::val(emscripten::typed_memory_view(numbers.size(), numbers.data())));
}

// { area: [left, top, width, height], fills: [x, y, ...], fillSizes: [points
// per fill], fillColours: [r, g, b per fill], strokes, strokeSizes,
// strokeLooks: [r, g, b, width, dashed per stroke], dots: [x, y, radius, r,
// g, b, filled per dot], texts: [{text, x, y, align, colour?}] }.
emscripten::val drawingObject(const core::Drawing& drawing);

// { lineHeight, digitWidth } from the page.
core::TextMetrics textMetrics(const emscripten::val& metrics);
// { verticalCaption, horizontalCaption, lineHeight, digitWidth }.
core::ChartTexts chartTexts(const emscripten::val& texts);

}  // namespace coinwell::web
