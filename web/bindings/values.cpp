#include "values.h"

#include <string>
#include <vector>

namespace coinwell::web {

using emscripten::val;

val object(std::initializer_list<std::pair<const char*, val>> fields)
{
    val made = val::object();
    for (const auto& [name, value] : fields) {
        made.set(name, value);
    }
    return made;
}

val messageObject(const core::Message& message)
{
    val made = object({{"context", val(message.context)}, {"source", val(message.source)},
                       {"args", arrayOf(message.args, messageObject)}});
    if (message.count) {
        made.set("count", *message.count);
    }
    return made;
}

val drawingObject(const core::Drawing& drawing)
{
    std::vector<double> kinds, colours, sizes, flags, counts, points;
    val texts = val::array();
    for (const core::Shape& shape : drawing.shapes) {
        kinds.push_back(static_cast<double>(shape.kind));
        colours.insert(colours.end(), {double(shape.colour.red), double(shape.colour.green), double(shape.colour.blue)});
        sizes.push_back(shape.size);
        flags.push_back((shape.dashed ? 1 : 0) + (shape.crisp ? 2 : 0) + (shape.round ? 4 : 0));
        counts.push_back(double(shape.points.size()));
        for (const core::Point& point : shape.points) {
            points.insert(points.end(), {point.x, point.y});
        }
        if (shape.kind == core::Shape::Kind::Text) {
            texts.call<void>("push", shape.text);
        }
    }
    const auto array = [](const std::vector<double>& numbers) { return numberArray<double>(numbers); };
    const core::Rect& area = drawing.area;
    return object({{"area", array({area.left, area.top, area.width, area.height})}, {"kinds", array(kinds)},
                   {"colours", array(colours)}, {"sizes", array(sizes)}, {"flags", array(flags)},
                   {"counts", array(counts)}, {"points", array(points)}, {"texts", texts}});
}

PageTextSetter::PageTextSetter(val setter) : setter_(std::move(setter))
{
    lineHeight = setter_["lineHeight"].as<double>();
    ascent = setter_["ascent"].as<double>();
    digitWidth = setter_["digitWidth"].as<double>();
}

std::string PageTextSetter::text(const core::Message& message) const
{
    return setter_.call<std::string>("text", messageObject(message));
}

double PageTextSetter::width(const std::string& text) const { return setter_.call<double>("width", text); }

}  // namespace coinwell::web
