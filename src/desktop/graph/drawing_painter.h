#pragma once

#include "core/drawing.h"

#include <QColor>
#include <QFontMetricsF>

class QPainter;

namespace coinwell::graph {

// Sets the core's texts in a font, translated.
class FontTextSetter final : public core::TextSetter {
public:
    explicit FontTextSetter(const QFont& font);
    std::string text(const core::Message& message) const override;
    double width(const std::string& text) const override;

private:
    QFontMetricsF metrics_;
};

// Paints a core drawing in the painter's font, shape by shape, clipped to
// its area; texts without a colour of their own in `textColour`.
void paintDrawing(QPainter& painter, const core::Drawing& drawing, const QColor& textColour);

}  // namespace coinwell::graph
