#include "values.h"

#include <string>
#include <vector>

namespace coinwell::web {

using emscripten::val;

val messageObject(const core::Message& message)
{
    val object = val::object();
    object.set("context", message.context);
    object.set("source", message.source);
    val args = val::array();
    for (const core::Message& arg : message.args) {
        args.call<void>("push", messageObject(arg));
    }
    object.set("args", args);
    if (message.count) {
        object.set("count", *message.count);
    }
    return object;
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
    val out = val::object();
    out.set("area", array({area.left, area.top, area.width, area.height}));
    out.set("kinds", array(kinds));
    out.set("colours", array(colours));
    out.set("sizes", array(sizes));
    out.set("flags", array(flags));
    out.set("counts", array(counts));
    out.set("points", array(points));
    out.set("texts", texts);
    return out;
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
