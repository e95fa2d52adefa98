#include "desktop/graph/graph_painter.h"

#include "core/coverage_curve.h"
#include "desktop/graph/drawing_painter.h"
#include "desktop/graph/graph_text.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <QString>
#include <QTransform>

#include <optional>
#include <vector>

namespace coinwell::graph {
namespace {

// The captions of the axes, translated where they are shown.
constexpr const char* kVerticalCaption =
    QT_TRANSLATE_NOOP("coinwell::graph::GraphView", "（Vertical axis : Number of experiments）");
constexpr const char* kHorizontalCaption =
    QT_TRANSLATE_NOOP("coinwell::graph::GraphView", "（Horizontal axis : Shortage）");

QColor qColour(core::Colour colour) { return {colour.red, colour.green, colour.blue}; }
QPointF qPoint(core::Point point) { return {point.x, point.y}; }
QString qText(const std::string& text) { return QString::fromStdString(text); }

core::MeasuredText measured(const QFontMetricsF& metrics, const QString& text)
{
    return {text.toStdString(), metrics.horizontalAdvance(text)};
}

core::GraphTexts graphTexts(const QFontMetricsF& metrics, const core::ExactOverlay* overlay,
                            const core::ReadyMarker* ready)
{
    core::GraphTexts texts;
    texts.verticalCaption =
        measured(metrics, QCoreApplication::translate("coinwell::graph::GraphView", kVerticalCaption));
    texts.horizontalCaption =
        measured(metrics, QCoreApplication::translate("coinwell::graph::GraphView", kHorizontalCaption));
    for (core::MeasuredText& number : texts.numbers) {
        number.width = metrics.horizontalAdvance(qText(number.text));
    }
    if (overlay != nullptr) {
        texts.exactMean = measured(metrics, QCoreApplication::translate("coinwell::graph", "exact mean %1")
                                                .arg(QString::number(overlay->mean, 'f', 2)));
    }
    if (ready != nullptr) {
        const QString words =
            ready->coins == 1
                ? graphText(QT_TRANSLATE_NOOP("coinwell::graph", "1 coin: enough in %1% of meetings")).arg(ready->percent)
                : graphText(QT_TRANSLATE_NOOP("coinwell::graph", "%1 coins: enough in %2% of meetings"))
                      .arg(ready->coins)
                      .arg(ready->percent);
        texts.ready = measured(metrics, words);
        if (ready->exactCoins) {
            const int coins = *ready->exactCoins;
            texts.exactReady =
                measured(metrics, coins == 1 ? graphText(QT_TRANSLATE_NOOP("coinwell::graph", "exact: 1 coin"))
                                             : graphText(QT_TRANSLATE_NOOP("coinwell::graph", "exact: %1 coins")).arg(coins));
        }
    }
    texts.lineHeight = metrics.height();
    texts.ascent = metrics.ascent();
    return texts;
}

void drawText(QPainter& painter, const core::PlacedText& text)
{
    painter.drawText(QPointF(text.topLeft.x, text.baselineY), qText(text.text));
}

// Lines and bars are set in the logical space, unsmoothed, lines one device
// pixel wide.
void paintFrame(QPainter& painter, const QTransform& toArea, const core::GraphScene& scene)
{
    std::vector<QLineF> frame;
    frame.reserve(scene.frame.size());
    for (const core::Line& line : scene.frame) {
        frame.emplace_back(qPoint(line.from), qPoint(line.to));
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setTransform(toArea, true);
    painter.setPen(QPen(qColour(core::kFrameColour), 0));
    painter.drawLines(frame.data(), static_cast<int>(frame.size()));
    painter.restore();
}

void paintBars(QPainter& painter, const QTransform& toArea, const core::GraphScene& scene)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setTransform(toArea, true);
    const QColor barColour = qColour(core::kBarColour);
    for (const core::Rect& bar : scene.bars) {
        painter.fillRect(QRectF(bar.left, bar.top, bar.width, bar.height), barColour);
    }
    painter.setPen(QPen(qColour(core::kFrameColour), 0));
    painter.drawLine(qPoint(scene.horizontalAxis.from), qPoint(scene.horizontalAxis.to));
    painter.restore();
}

void paintTexts(QPainter& painter, const QColor& textColour, const core::GraphScene& scene)
{
    painter.save();
    painter.setPen(textColour);
    for (const core::PlacedText& text : scene.texts) {
        drawText(painter, text);
    }
    painter.restore();
}

void paintOverlay(QPainter& painter, const core::OverlayScene& overlay)
{
    const QColor colour = qColour(core::kExactColour);
    QPolygonF line;
    for (const core::Point point : overlay.line) {
        line << qPoint(point);
    }
    QPolygonF mark;
    for (const core::Point point : overlay.mark) {
        mark << qPoint(point);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(colour, overlay.lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(line);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(mark);
    painter.setPen(colour);
    drawText(painter, overlay.label);
    painter.restore();
}

// The lines go through the logical space like the frame, one device pixel
// wide; the words keep the font's size.
void paintReady(QPainter& painter, const QTransform& toArea, const core::ReadyScene& ready)
{
    const QColor colour = qColour(core::kReadyColour);
    painter.save();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setTransform(toArea, true);
    painter.setPen(QPen(colour, 0));
    painter.drawLine(qPoint(ready.line.from), qPoint(ready.line.to));
    if (ready.exactLine) {
        painter.setPen(QPen(colour, 0, Qt::DashLine));
        painter.drawLine(qPoint(ready.exactLine->from), qPoint(ready.exactLine->to));
    }
    painter.restore();
    painter.setPen(colour);
    drawText(painter, ready.label);
    if (ready.exactLabel) {
        drawText(painter, *ready.exactLabel);
    }
    painter.restore();
}

// The scene of the graph of `tally` in `area`, measured with the painter's font.
core::GraphScene sceneFor(QPainter& painter, const QRectF& area, const core::Tally& tally,
                          const core::ExactOverlay* overlay, const core::ReadyMarker* ready)
{
    return core::graphScene({area.left(), area.top(), area.width(), area.height()}, tally,
                            graphTexts(QFontMetricsF(painter.font()), overlay, ready),
                            overlay != nullptr ? std::optional(*overlay) : std::nullopt,
                            ready != nullptr ? std::optional(*ready) : std::nullopt);
}

void paintScene(QPainter& painter, const QRectF& area, const core::GraphScene& scene, const QColor& textColour)
{
    const core::AreaTransform& map = scene.toArea;
    const QTransform toArea = QTransform::fromTranslate(map.dx, map.dy).scale(map.scaleX, map.scaleY);
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    paintFrame(painter, toArea, scene);
    paintBars(painter, toArea, scene);
    paintTexts(painter, textColour, scene);
    if (scene.overlay) {
        paintOverlay(painter, *scene.overlay);
    }
    if (scene.ready) {
        paintReady(painter, toArea, *scene.ready);
    }
    painter.restore();
}

}  // namespace

void paintGraph(QPainter& painter, const QRectF& area, const core::Tally& tally, const QColor& textColour,
                const core::ExactOverlay* overlay, const core::ReadyMarker* ready)
{
    paintScene(painter, area, sceneFor(painter, area, tally, overlay, ready), textColour);
}

void paintRecord(QPainter& painter, const QRectF& area, const core::RunRecord& record,
                 const HistogramOptions& options, const QColor& textColour)
{
    std::optional<core::ExactOverlay> overlay;
    if (options.exactLaw) {
        overlay = core::exactOverlay(record.law, record.result.settings.experimentCount);
    }
    std::optional<core::ReadyMarker> ready;
    if (options.readyPercent > 0) {
        ready = core::readyMarker(record.result.counts, options.readyPercent, options.exactLaw ? &record.law : nullptr);
    }
    const core::GraphScene scene =
        sceneFor(painter, area, record.result.tally, overlay ? &*overlay : nullptr, ready ? &*ready : nullptr);
    paintScene(painter, area, scene, textColour);
    if (options.coverageCurve) {
        // The scale's top names the share the grid's top line stands for.
        const QString full = QCoreApplication::translate("coinwell::graph::GraphMenu", "%1% of meetings").arg(100);
        paintDrawing(painter,
                     core::coverageCurve(scene, {area.left(), area.top(), area.width(), area.height()},
                                         record.result.counts, options.exactLaw ? &record.law : nullptr,
                                         full.toStdString(), textMetrics(QFontMetricsF(painter.font()))),
                     textColour);
    }
}

}  // namespace coinwell::graph
