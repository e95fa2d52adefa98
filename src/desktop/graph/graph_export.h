#pragma once

#include <QByteArray>
#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSizeF>

#include <functional>

class QPainter;
class QPrinter;

namespace coinwell::graph {

// How the graph leaves the window: painted afresh as the graph area shows
// it, on white with black text, at the area's size `area` in logical pixels
// and with the graph's font, scaled as a whole. A print has `caption` under
// it.
struct GraphExport {
    using Paint = std::function<void(QPainter& painter, const QRectF& area, const QColor& textColour)>;

    Paint paint;
    QSizeF area;
    QFont font;  // its size in pixels
    QString caption;

    // An image of pixelRatio device pixels per logical pixel.
    QImage image(qreal pixelRatio) const;
    QByteArray png(int width) const;
    QByteArray svg(int width) const;
    // The graph across the page's width with a caption line under it.
    void print(QPrinter& printer) const;
};

}  // namespace coinwell::graph
