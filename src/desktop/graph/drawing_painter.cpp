#include "desktop/graph/drawing_painter.h"

#include "desktop/toolkit/translated.h"

#include <QPainter>
#include <QPolygonF>
#include <QString>

#include <algorithm>

namespace coinwell::graph {
namespace {

QPointF qPoint(core::Point point) { return {point.x, point.y}; }

QPolygonF polygon(const std::vector<core::Point>& points)
{
    QPolygonF result;
    result.reserve(static_cast<qsizetype>(points.size()));
    for (const core::Point point : points) {
        result << qPoint(point);
    }
    return result;
}

// Qt strokes a wide smoothed line as one outline and fills it scanline by
// scanline, each crossing every segment: a replay's path of 1000 guests took
// 5 ms so at 100 % and 30 ms at 200 %, round joins and caps the most. In
// runs of a few segments with bevel joins it takes a fifth of that; each run
// also draws the next one's first segment, so that the joint between them
// is joined like the rest. A dashed or round line stays whole, so that its
// dashes run on and its joints stay round.
void paintPath(QPainter& painter, const QPolygonF& points, bool whole)
{
    constexpr qsizetype kSegmentsARun = 16;
    if (whole || painter.pen().isCosmetic()) {
        painter.drawPolyline(points);
        return;
    }
    for (qsizetype first = 0; first + 1 < points.size(); first += kSegmentsARun) {
        painter.drawPolyline(points.constData() + first,
                             static_cast<int>(std::min(kSegmentsARun + 2, points.size() - first)));
    }
}

void paintShape(QPainter& painter, const core::Shape& shape, const QColor& colour)
{
    using Kind = core::Shape::Kind;
    // A width of 0 makes Qt's pen cosmetic: one device pixel. A crisp line
    // covers its last pixel too.
    const Qt::PenCapStyle cap = shape.round ? Qt::RoundCap : shape.crisp ? Qt::SquareCap : Qt::FlatCap;
    const QPen pen(colour, shape.size, shape.dashed ? Qt::DashLine : Qt::SolidLine, cap,
                   shape.round ? Qt::RoundJoin : Qt::BevelJoin);
    painter.setRenderHint(QPainter::Antialiasing, !shape.crisp);
    switch (shape.kind) {
    case Kind::Path:
        painter.setPen(pen);
        paintPath(painter, polygon(shape.points), shape.dashed || shape.round);
        break;
    case Kind::Segments: {
        QList<QLineF> lines;
        for (std::size_t i = 0; i + 1 < shape.points.size(); i += 2) {
            lines.append({qPoint(shape.points[i]), qPoint(shape.points[i + 1])});
        }
        painter.setPen(pen);
        painter.drawLines(lines);
        break;
    }
    case Kind::Polygon:
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPolygon(polygon(shape.points));
        painter.setBrush(Qt::NoBrush);
        break;
    case Kind::Box:
        painter.fillRect(QRectF(shape.points[0].x, shape.points[0].y, shape.points[1].x, shape.points[1].y), colour);
        break;
    case Kind::Dot:
    case Kind::Ring:
        painter.setPen(shape.kind == Kind::Ring ? QPen(colour, 0) : QPen(Qt::NoPen));
        painter.setBrush(shape.kind == Kind::Dot ? QBrush(colour) : QBrush(Qt::NoBrush));
        painter.drawEllipse(qPoint(shape.points[0]), shape.size, shape.size);
        painter.setBrush(Qt::NoBrush);
        break;
    case Kind::Text:
        painter.setPen(colour);
        painter.drawText(qPoint(shape.points[0]), QString::fromStdString(shape.text));
        break;
    }
}

}  // namespace

FontTextSetter::FontTextSetter(const QFont& font) : metrics_(font)
{
    lineHeight = metrics_.height();
    ascent = metrics_.ascent();
    digitWidth = metrics_.horizontalAdvance(u'-');
    for (char16_t digit = u'0'; digit <= u'9'; ++digit) {
        digitWidth = std::max(digitWidth, metrics_.horizontalAdvance(QChar(digit)));
    }
}

std::string FontTextSetter::text(const core::Message& message) const { return translated(message).toStdString(); }

double FontTextSetter::width(const std::string& text) const
{
    return metrics_.horizontalAdvance(QString::fromStdString(text));
}

void paintDrawing(QPainter& painter, const core::Drawing& drawing, const QColor& textColour)
{
    painter.save();
    painter.setClipRect(QRectF(drawing.area.left, drawing.area.top, drawing.area.width, drawing.area.height),
                        Qt::IntersectClip);
    for (const core::Shape& shape : drawing.shapes) {
        const core::Colour c = shape.colour;
        paintShape(painter, shape, c == core::kTextColour ? textColour : QColor(c.red, c.green, c.blue));
    }
    painter.restore();
}

}  // namespace coinwell::graph
