#pragma once

// How the core's values cross to the page: tables, messages and drawings as
// plain objects and number arrays, and the page's way of setting texts as
// the core's TextSetter.
#include "core/drawing.h"
#include "core/message.h"

#include <emscripten/val.h>

#include <initializer_list>
#include <span>
#include <utility>

namespace coinwell::web {

// A plain object of the fields given.
emscripten::val object(std::initializer_list<std::pair<const char*, emscripten::val>> fields);

// A plain array of `make(item)` for each item.
template <typename Items, typename Make>
emscripten::val arrayOf(const Items& items, Make make)
{
    emscripten::val list = emscripten::val::array();
    for (const auto& item : items) {
        list.call<void>("push", emscripten::val(make(item)));
    }
    return list;
}

// A plain array of numbers made in one call: a push per number through
// embind costs far more than copying them out of the module's memory.
template <typename Number>
emscripten::val numberArray(std::span<const Number> numbers)
{
    static const emscripten::val array = emscripten::val::global("Array");
    return array.call<emscripten::val>("from",
                                       emscripten::val(emscripten::typed_memory_view(numbers.size(), numbers.data())));
}

// { context, source, args: [message...], count? }
emscripten::val messageObject(const core::Message& message);

// { area: [left, top, width, height], kinds, colours: [r, g, b per shape;
// -1 for the page's text colour], sizes, flags (1 dashed, 2 crisp, 4
// round), counts: points per shape, points: [x, y, ...], texts: one per
// text shape }.
emscripten::val drawingObject(const core::Drawing& drawing);

// The page's { text(message), width(text), lineHeight, ascent, digitWidth }.
class PageTextSetter final : public core::TextSetter {
public:
    explicit PageTextSetter(emscripten::val setter);
    std::string text(const core::Message& message) const override;
    double width(const std::string& text) const override;

private:
    emscripten::val setter_;
};

}  // namespace coinwell::web
