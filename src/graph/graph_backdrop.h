#pragma once

#include "graph/graph_painter.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTransform>

#include <optional>
#include <vector>

namespace coinwell::graph {

// The graph for the screen, where it is painted again and again with new
// bars on the same frame and texts. What no run changes is painted once in
// device pixels and kept until the area, the pixel ratio, the font, the
// colours or the language change; each paint then adds only the bars and
// the overlay. The pixels are those that paintGraph paints on a ground of
// `background`.
class GraphBackdrop {
public:
    void paint(QPainter& painter, const QRectF& area, const engine::Tally& tally, const QColor& textColour,
               const QColor& background, const ExactOverlay* overlay = nullptr);

private:
    // Everything the kept pixels depend on.
    struct Key {
        QTransform toDevice;
        QRectF area;
        int dpiX = 0;
        int dpiY = 0;
        QFont font;
        QPainter::RenderHints hints;
        QColor textColour;
        QColor background;
        QStringList captions;

        bool operator==(const Key&) const = default;
    };

    void rebuild(const Key& key);
    void drawKept(QPainter& painter, const QImage& image) const;

    std::optional<Key> key_;
    QRect deviceRect_;       // what the images cover
    QImage frame_;           // the ground and the frame
    QImage frameAndTexts_;   // and the texts over them
    std::vector<QRectF> textBounds_;
};

}  // namespace coinwell::graph
