#include "graph/graph_backdrop.h"

#include <QFontMetricsF>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>

namespace coinwell::graph {
namespace {

constexpr qreal kMetresPerInch = 0.0254;

// How far, in device pixels, the ink of a text may reach past its bounds
// once smoothed and rounded onto pixels.
constexpr qreal kInkSpill = 2.0;

}  // namespace

void GraphBackdrop::paint(QPainter& painter, const QRectF& area, const engine::Tally& tally,
                          const QColor& textColour, const QColor& background, const ExactOverlay* overlay)
{
    // Kept pixels can only be copied 1:1 onto a device that is neither
    // turned nor sheared, and only stand for layers painted one by one when
    // painted opaque.
    if (painter.deviceTransform().type() > QTransform::TxScale || painter.opacity() < 1.0 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver) {
        painter.fillRect(area, background);
        paintGraph(painter, area, tally, textColour, overlay);
        return;
    }
    const Key key{painter.deviceTransform(),
                  area,
                  painter.device()->logicalDpiX(),
                  painter.device()->logicalDpiY(),
                  painter.font(),
                  painter.renderHints(),
                  textColour,
                  background,
                  captionTexts()};
    if (key_ != key) {
        rebuild(key);
    }
    if (deviceRect_.isEmpty()) {
        return;
    }
    // Where a bar comes into a text, the text is painted over it as
    // paintGraph paints it.
    const bool barsReachTexts = std::any_of(textBounds_.begin(), textBounds_.end(),
                                            [&](const QRectF& bounds) { return barsReach(area, tally, bounds); });
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    drawKept(painter, barsReachTexts ? frame_ : frameAndTexts_);
    paintBars(painter, area, tally);
    if (barsReachTexts) {
        paintTexts(painter, area, textColour);
    }
    if (overlay != nullptr) {
        paintOverlay(painter, area, tally, *overlay);
    }
    painter.restore();
}

void GraphBackdrop::rebuild(const Key& key)
{
    key_ = key;
    deviceRect_ = key.toDevice.mapRect(key.area).toAlignedRect();
    frame_ = {};
    frameAndTexts_ = {};
    textBounds_.clear();
    if (deviceRect_.isEmpty()) {
        return;
    }
    // The images hold device pixels: painted with the painter's own
    // transform less a whole number of pixels, they get the very pixels the
    // painter would, whatever the pixel ratio and the area's place.
    frame_ = QImage(deviceRect_.size(), QImage::Format_RGB32);
    frame_.setDotsPerMeterX(qRound(key.dpiX / kMetresPerInch));
    frame_.setDotsPerMeterY(qRound(key.dpiY / kMetresPerInch));
    frame_.fill(key.background);
    const auto paintInto = [&](QImage& image, const auto& paintLayer) {
        QPainter painter(&image);
        painter.setRenderHints(painter.renderHints(), false);
        painter.setRenderHints(key.hints, true);
        painter.setTransform(key.toDevice * QTransform::fromTranslate(-deviceRect_.x(), -deviceRect_.y()));
        painter.setFont(key.font);
        painter.setClipRect(key.area);
        paintLayer(painter);
    };
    paintInto(frame_, [&](QPainter& painter) { paintFrame(painter, key.area); });
    frameAndTexts_ = frame_.copy();
    paintInto(frameAndTexts_, [&](QPainter& painter) { paintTexts(painter, key.area, key.textColour); });

    const qreal scale = std::min(std::abs(key.toDevice.m11()), std::abs(key.toDevice.m22()));
    textBounds_ = textBounds(QFontMetricsF(key.font), key.area, kInkSpill / scale);
}

void GraphBackdrop::drawKept(QPainter& painter, const QImage& image) const
{
    painter.save();
    painter.resetTransform();
    painter.setWorldTransform(QTransform::fromTranslate(deviceRect_.x(), deviceRect_.y()) *
                              painter.deviceTransform().inverted());
    painter.drawImage(QPointF(0, 0), image);
    painter.restore();
}

}  // namespace coinwell::graph
