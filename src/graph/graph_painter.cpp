#include "graph/graph_painter.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <QString>

#include <algorithm>
#include <iterator>
#include <vector>

namespace coinwell::graph {
namespace {

const QColor kFrameColour(0, 0, 0);
const QColor kBarColour(0, 0, 255);

const QLineF kHorizontalAxis(3, kBaseLineY, 127, kBaseLineY);

// The ticks of both axes, the vertical axis, the dotted grid every 10
// experiments and the solid grid every 50, in the order they are drawn.
const std::vector<QLineF>& frameLines()
{
    static const std::vector<QLineF> lines = [] {
        std::vector<QLineF> frame;
        for (int x = 10; x <= 120; x += 10) {
            frame.emplace_back(x, 278, x, 285);
        }
        frame.emplace_back(3, kBaseLineY, 3, 10);
        for (int y = 280; y >= 20; y -= 10) {
            frame.emplace_back(2, y, 4, y);
        }
        for (int y = 270; y >= 30; y -= 10) {
            for (int x = 11; x <= 127; x += 2) {
                frame.emplace_back(x, y, x + 1, y);
            }
        }
        for (int y = 230; y >= 30; y -= 50) {
            frame.emplace_back(11, y, 127, y);
        }
        return frame;
    }();
    return lines;
}

struct Caption {
    QPointF topLeft;  // logical
    const char* text;
};

constexpr Caption kCaptions[] = {
    {{5, 7}, QT_TRANSLATE_NOOP("coinwell::graph::GraphView", "（Vertical axis : Number of experiments）")},
    {{93, 7}, QT_TRANSLATE_NOOP("coinwell::graph::GraphView", "（Horizontal axis : Shortage）")},
    // Labels of the vertical axis, 3 units above the solid row each names.
    {{5, 27}, "250"},
    {{5, 77}, "200"},
    {{5, 127}, "150"},
    {{5, 177}, "100"},
    {{5, 227}, "50"},
};

// The shortages under the ticks of the horizontal axis, from x = 10 to 120.
constexpr int kFirstLabelledShortage = -110;
constexpr int kLabelStep = 10;

// The shortage s stands under the middle of its bar, at x = 120.5 + s.
constexpr qreal kShortageZeroX = 120.5;
constexpr qreal kCaptionTop = 7.0;

// Maps the logical space onto the area.
QTransform toAreaOf(const QRectF& area)
{
    return QTransform::fromTranslate(area.left(), area.top())
        .scale(area.width() / kLogicalWidth, area.height() / kLogicalHeight);
}

// The captions in the language of the moment.
QStringList captionTexts()
{
    QStringList texts;
    for (const Caption& caption : kCaptions) {
        texts << QCoreApplication::translate("coinwell::graph::GraphView", caption.text);
    }
    return texts;
}

struct PlacedText {
    QPointF topLeft;  // in the area's coordinates
    QString text;
};

// Texts are set at the painter's own scale: only their places follow the
// logical space, which is stretched unevenly.
std::vector<PlacedText> placeTexts(const QFontMetricsF& metrics, const QRectF& area)
{
    const QTransform toArea = toAreaOf(area);
    std::vector<PlacedText> texts;
    // A caption that would run past the right edge ends at it instead.
    const QStringList captions = captionTexts();
    for (std::size_t n = 0; n < std::size(kCaptions); ++n) {
        const QString& text = captions[static_cast<qsizetype>(n)];
        QPointF topLeft = toArea.map(kCaptions[n].topLeft);
        topLeft.setX(std::max(area.left(), std::min(topLeft.x(), area.right() - metrics.horizontalAdvance(text))));
        texts.push_back({topLeft, text});
    }
    // The label row stands one text line below the base line, each number
    // centred under its own tick.
    const qreal rowTop = toArea.map(QPointF(0, kBaseLineY)).y() + metrics.height();
    for (int tick = 0; tick < 12; ++tick) {
        QString number = QString::number(kFirstLabelledShortage + tick * kLabelStep);
        const qreal tickX = toArea.map(QPointF(10 + tick * kLabelStep, 0)).x();
        texts.push_back({QPointF(tickX - metrics.horizontalAdvance(number) / 2, rowTop), std::move(number)});
    }
    return texts;
}

void paintFrame(QPainter& painter, const QRectF& area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setTransform(toAreaOf(area), true);
    painter.setPen(QPen(kFrameColour, 0));
    const std::vector<QLineF>& frame = frameLines();
    painter.drawLines(frame.data(), static_cast<int>(frame.size()));
    painter.restore();
}

// Bars cover the grid and the ticks where they reach them, but the axis they
// stand on stays visible under them.
void paintBars(QPainter& painter, const QRectF& area, const engine::Tally& tally)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setTransform(toAreaOf(area), true);
    for (int bin = 0; bin < engine::Tally::kBinCount; ++bin) {
        const int count = tally.bins[static_cast<std::size_t>(bin)];
        painter.fillRect(QRectF(5 + bin, kBaseLineY - count, 1, count), kBarColour);
    }
    painter.setPen(QPen(kFrameColour, 0));
    painter.drawLine(kHorizontalAxis);
    painter.restore();
}

void paintTexts(QPainter& painter, const QRectF& area, const QColor& textColour)
{
    const QFontMetricsF metrics(painter.font());
    painter.save();
    painter.setPen(textColour);
    for (const PlacedText& placed : placeTexts(metrics, area)) {
        painter.drawText(placed.topLeft + QPointF(0, metrics.ascent()), placed.text);
    }
    painter.restore();
}

void paintOverlay(QPainter& painter, const QRectF& area, const engine::Tally& tally, const ExactOverlay& overlay)
{
    const QTransform toArea = toAreaOf(area);
    const QFontMetricsF metrics(painter.font());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    // The line starts where the law expects a hundredth of an experiment:
    // further left it would only cover the axis.
    int lineStart = overlay.firstBin;
    while (lineStart < overlay.lastBin && overlay.expectedCounts[static_cast<std::size_t>(lineStart)] < 0.01) {
        ++lineStart;
    }
    QPolygonF line;
    for (int bin = lineStart; bin <= overlay.lastBin; ++bin) {
        line << toArea.map(QPointF(5.5 + bin, kBaseLineY - overlay.expectedCounts[static_cast<std::size_t>(bin)]));
    }
    painter.setPen(QPen(kExactColour, std::max(1.5, metrics.height() / 8), Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawPolyline(line);

    // The mark hangs under the axis, its tip on the mean.
    const QPointF tip = toArea.map(QPointF(kShortageZeroX + overlay.mean, kBaseLineY));
    const qreal half = metrics.height() / 3;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kExactColour);
    painter.drawPolygon(QPolygonF{tip, tip + QPointF(-half, 2 * half), tip + QPointF(half, 2 * half)});

    // The value goes just above whatever is drawn under it, bars or line;
    // where that leaves no room below the captions, between the axis and
    // the shortage labels beside the mark.
    const QString text = QCoreApplication::translate("coinwell::graph", "exact mean %1")
                             .arg(QString::number(overlay.mean, 'f', 2));
    const qreal width = metrics.horizontalAdvance(text);
    const qreal plotLeft = toArea.map(QPointF(5, 0)).x();
    const qreal plotRight = toArea.map(QPointF(125, 0)).x();
    const qreal left = std::clamp(tip.x() - width / 2, plotLeft, std::max(plotLeft, plotRight - width));
    const QTransform toLogical = toArea.inverted();
    const int firstBin = std::max(0, static_cast<int>(toLogical.map(QPointF(left, 0)).x()) - 6);
    const int lastBin = std::min(engine::Tally::kBinCount - 1,
                                 static_cast<int>(toLogical.map(QPointF(left + width, 0)).x()) - 5);
    double highest = 0.0;
    for (int bin = firstBin; bin <= lastBin; ++bin) {
        highest = std::max({highest, static_cast<double>(tally.bins[static_cast<std::size_t>(bin)]),
                            overlay.expectedCounts[static_cast<std::size_t>(bin)]});
    }
    const qreal gap = metrics.height() / 4;
    const qreal top = toArea.map(QPointF(0, kBaseLineY - highest)).y() - gap - metrics.height();
    QPointF topLeft(left, top);
    if (top < toArea.map(QPointF(0, kCaptionTop)).y() + metrics.height()) {
        topLeft = QPointF(std::min(tip.x() + half + gap, plotRight - width), tip.y());
    }
    painter.setPen(kExactColour);
    painter.drawText(topLeft + QPointF(0, metrics.ascent()), text);
    painter.restore();
}

}  // namespace

ExactOverlay exactOverlay(const engine::ShortageLaw& law, int experiments)
{
    ExactOverlay overlay;
    for (int shortage = law.lowest(); shortage <= 1; ++shortage) {
        overlay.expectedCounts[static_cast<std::size_t>(engine::Tally::binOf(shortage))] +=
            experiments * law.probability(shortage);
    }
    overlay.firstBin = engine::Tally::binOf(law.lowest());
    overlay.lastBin = engine::Tally::binOf(1);
    overlay.mean = law.mean();
    return overlay;
}

void paintGraph(QPainter& painter, const QRectF& area, const engine::Tally& tally, const QColor& textColour,
                const ExactOverlay* overlay)
{
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    paintFrame(painter, area);
    paintBars(painter, area, tally);
    paintTexts(painter, area, textColour);
    if (overlay != nullptr) {
        paintOverlay(painter, area, tally, *overlay);
    }
    painter.restore();
}

void paintRecord(QPainter& painter, const QRectF& area, const report::RunRecord& record, bool withExactLaw,
                 const QColor& textColour)
{
    if (!withExactLaw) {
        paintGraph(painter, area, record.result.tally, textColour);
        return;
    }
    const ExactOverlay overlay = exactOverlay(record.law, record.result.settings.experimentCount);
    paintGraph(painter, area, record.result.tally, textColour, &overlay);
}

}  // namespace coinwell::graph
