#include "drawing_object.h"

#include <string>
#include <vector>

namespace coinwell::web {
namespace {

using emscripten::val;

void addColour(std::vector<double>& to, const core::Colour& colour)
{
    to.insert(to.end(), {double(colour.red), double(colour.green), double(colour.blue)});
}

// The paths' points one after another, and how many each has.
void addPath(std::vector<double>& points, std::vector<double>& sizes, const std::vector<core::Point>& path)
{
    for (const core::Point& point : path) {
        points.insert(points.end(), {point.x, point.y});
    }
    sizes.push_back(double(path.size()));
}

const char* alignName(core::Align align)
{
    switch (align) {
    case core::Align::Centre:
        return "centre";
    case core::Align::Right:
        return "right";
    case core::Align::Left:
        break;
    }
    return "left";
}

}  // namespace

val drawingObject(const core::Drawing& drawing)
{
    std::vector<double> fills, fillSizes, fillColours;
    for (const core::Fill& fill : drawing.fills) {
        addPath(fills, fillSizes, fill.polygon);
        addColour(fillColours, fill.colour);
    }
    std::vector<double> strokes, strokeSizes, strokeLooks;
    for (const core::Stroke& stroke : drawing.strokes) {
        addPath(strokes, strokeSizes, stroke.points);
        addColour(strokeLooks, stroke.colour);
        strokeLooks.insert(strokeLooks.end(), {stroke.width, stroke.dashed ? 1.0 : 0.0});
    }
    std::vector<double> dots;
    for (const core::Dot& dot : drawing.dots) {
        dots.insert(dots.end(), {dot.centre.x, dot.centre.y, dot.radius});
        addColour(dots, dot.colour);
        dots.push_back(dot.filled ? 1.0 : 0.0);
    }
    const auto array = [](const std::vector<double>& numbers) { return numberArray<double>(numbers); };
    val out = val::object();
    const core::Rect& area = drawing.area;
    out.set("area", array({area.left, area.top, area.width, area.height}));
    out.set("fills", array(fills));
    out.set("fillSizes", array(fillSizes));
    out.set("fillColours", array(fillColours));
    out.set("strokes", array(strokes));
    out.set("strokeSizes", array(strokeSizes));
    out.set("strokeLooks", array(strokeLooks));
    out.set("dots", array(dots));
    val texts = val::array();
    for (const core::DrawnText& drawn : drawing.texts) {
        val text = val::object();
        text.set("text", drawn.text);
        text.set("x", drawn.anchor.x);
        text.set("y", drawn.anchor.y);
        text.set("align", std::string(alignName(drawn.align)));
        if (drawn.colour) {
            std::vector<double> colour;
            addColour(colour, *drawn.colour);
            text.set("colour", array(colour));
        }
        texts.call<void>("push", text);
    }
    out.set("texts", texts);
    return out;
}

core::TextMetrics textMetrics(const val& metrics)
{
    return {metrics["lineHeight"].as<double>(), metrics["digitWidth"].as<double>()};
}

core::ChartTexts chartTexts(const val& texts)
{
    return {texts["verticalCaption"].as<std::string>(), texts["horizontalCaption"].as<std::string>(),
            textMetrics(texts)};
}

}  // namespace coinwell::web
