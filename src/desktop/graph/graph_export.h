#pragma once

#include "core/run_record.h"

#include <QByteArray>
#include <QDateTime>
#include <QFont>
#include <QImage>
#include <QSizeF>

class QPrinter;

namespace coinwell::graph {

// How a run's graph leaves the window: painted afresh from the record, on
// white with black text, at the graph area's size `area` in logical pixels
// and with the graph's font, scaled as a whole.
struct GraphExport {
    const core::RunRecord& record;
    bool withExactLaw;
    QSizeF area;
    QFont font;  // its size in pixels
    int readyPercent = 0;  // the coins to have ready for that share, unless 0

    // An image of pixelRatio device pixels per logical pixel.
    QImage image(qreal pixelRatio) const;
    QByteArray png(int width) const;
    QByteArray svg(int width) const;
    // The graph across the page's width with a caption line under it.
    void print(QPrinter& printer) const;
};

// One line under a printed graph: the settings, the average, the exact
// mean, the seed if any and when it was printed.
QString captionLine(const core::RunRecord& record, const QDateTime& printedAt);

}  // namespace coinwell::graph
