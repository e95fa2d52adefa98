#include "desktop/graph/graph_export.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QSvgGenerator>

#include <cmath>

namespace coinwell::graph {
namespace {

void paintOnWhite(QPainter& painter, const GraphExport& graph)
{
    const QRectF area(QPointF(0, 0), graph.area);
    painter.fillRect(area, Qt::white);
    painter.setFont(graph.font);
    graph.paint(painter, area, Qt::black);
}

int heightFor(const GraphExport& graph, int width)
{
    return static_cast<int>(std::lround(width * graph.area.height() / graph.area.width()));
}

}  // namespace

QImage GraphExport::image(qreal pixelRatio) const
{
    const QSizeF pixels = area * pixelRatio;
    QImage result(static_cast<int>(std::lround(pixels.width())), static_cast<int>(std::lround(pixels.height())),
                  QImage::Format_RGB32);
    result.setDevicePixelRatio(pixelRatio);
    QPainter painter(&result);
    paintOnWhite(painter, *this);
    return result;
}

QByteArray GraphExport::png(int width) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image(width / area.width()).save(&buffer, "PNG");
    return bytes;
}

QByteArray GraphExport::svg(int width) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(96);
    generator.setSize(QSize(width, heightFor(*this, width)));
    generator.setViewBox(QRectF(QPointF(0, 0), area));
    generator.setTitle(QStringLiteral("Coinwell"));
    {
        QPainter painter(&generator);
        paintOnWhite(painter, *this);
    }
    return bytes;
}

void GraphExport::print(QPrinter& printer) const
{
    QPainter painter(&printer);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const qreal scale = page.width() / area.width();
    painter.scale(scale, scale);
    paintOnWhite(painter, *this);
    painter.setPen(Qt::black);
    const QRectF captionRow(0, area.height() + QFontMetricsF(font).height() / 2, area.width(), area.height());
    painter.drawText(captionRow, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption);
}

}  // namespace coinwell::graph
