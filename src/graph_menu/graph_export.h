#pragma once

#include "report/run_record.h"

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QSizeF>

class QPrinter;

namespace coinwell::graph {

// How a run's graph leaves the window: painted afresh from the record, on
// white with black text, at the graph area's size `area` in logical pixels
// and with the graph's font, scaled as a whole.
struct GraphExport {
    const report::RunRecord& record;
    bool withExactLaw;
    QSizeF area;
    QFont font;  // its size in pixels

    // An image of pixelRatio device pixels per logical pixel.
    QImage image(qreal pixelRatio) const;
    QByteArray png(int width) const;
    QByteArray svg(int width) const;
    // The graph across the page's width with a caption line under it.
    void print(QPrinter& printer) const;
};

}  // namespace coinwell::graph
