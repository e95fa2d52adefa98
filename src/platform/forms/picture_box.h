#pragma once

#include "platform/runtime/drawing_surface.h"

#include <QFrame>
#include <QImage>
#include <QPoint>

namespace coinwell::platform {

// A picture box: a sunken frame around a drawing area whose drawing is kept
// in a backing image, so that it survives being covered and repainted and is
// drawn at the screen's full resolution. Coordinates are in the box's scale:
// twips by default, or a user scale set with SetScale.
class PictureBox final : public QFrame, public DrawingSurface {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The drawing area runs from (left, top) to (left + width, top + height).
    void SetScale(float left, float top, float width, float height);

    // The logical pixel, inside the drawing area, that a point falls on.
    QPoint ToPixel(float x, float y) const;

    // What has been drawn, at the screen's device-pixel ratio.
    const QImage& Image() const;

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, Rgb colour) override;
    void Box(float x1, float y1, float x2, float y2, Rgb colour) override;
    void SetCurrentX(float x) override { currentX_ = x; }
    void SetCurrentY(float y) override { currentY_ = y; }
    float CurrentX() const override { return currentX_; }
    float CurrentY() const override { return currentY_; }
    void Print(std::string_view text) override;
    float TextWidth(std::string_view text) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The backing image, (re)allocated to the drawing area's current size and
    // the screen's pixel ratio, keeping what was drawn.
    QImage& Canvas() const;

    mutable QImage image_;
    float scaleLeft_ = 0.0F;
    float scaleTop_ = 0.0F;
    float scaleWidth_ = 0.0F;   // 0: twips
    float scaleHeight_ = 0.0F;
    float currentX_ = 0.0F;
    float currentY_ = 0.0F;
};

}  // namespace coinwell::platform
