#pragma once

#include "core/window_layout.h"

#include <QFont>
#include <QMargins>
#include <QObject>
#include <QRect>

#include <initializer_list>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

class QWidget;

namespace coinwell {

class Zoom;

// Where a window goes, and how large it is drawn.
struct WindowFit {
    QRect geometry;  // the client area, in device-independent pixels
    qreal scale;     // of the designed sizes
};

// A window designed `designedSize` large (at 100 %) shown at `zoom` on a
// screen whose available area is `available`, with `frame` around its client
// area: as large as the zoom asks but no larger than fits, at `topLeft` where
// it fits there, else moved the least way that brings it wholly inside.
WindowFit fitWindow(QPoint topLeft, QSize designedSize, qreal zoom, const QRect& available, const QMargins& frame);

// A designed rectangle at a scale; neighbours that meet still meet.
QRect scaledRect(const QRect& designed, qreal scale);

// A fixed-size window and its controls as designed, in device-independent
// pixels and point sizes at 100 %, set at whatever scale the zoom and the
// screen allow. Each text of a label or a button is set smaller where it
// would not fit its box in the face found.
class ScaledLayout final : public QObject {
public:
    ScaledLayout(QWidget* window, const QRect& designedGeometry);

    // Each control of the window by its placement's name: its designed box,
    // its words, and the Gothic face at the placement's size (the desktop's
    // own face where it gives none).
    void place(std::span<const core::Placement> placements,
               std::initializer_list<std::pair<std::string_view, QWidget*>> controls);
    // Sizes and places the window and its controls for `zoom` on the screen
    // at `topLeft`.
    void apply(qreal zoom, QPoint topLeft);
    // Sets the window at its designed place for the zoom now, and again
    // wherever it stands whenever the zoom changes.
    void follow(const Zoom& zoom);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Control {
        QWidget* widget;
        QRect geometry;
        QFont font;
    };

    QWidget* window_;
    QRect designed_;
    std::vector<Control> controls_;
    qreal zoom_ = 1.0;
    QMargins frame_;
};

}  // namespace coinwell
