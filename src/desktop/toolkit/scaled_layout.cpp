#include "desktop/toolkit/scaled_layout.h"

#include "desktop/toolkit/fonts.h"
#include "desktop/toolkit/translated.h"
#include "desktop/toolkit/zoom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace coinwell {
namespace {

// Below this a window is not made smaller to fit a screen: its texts would
// no longer be read.
constexpr qreal kSmallestScale = 0.5;

// The box a control's text must fit in.
QSizeF textBox(QWidget* control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        const int frame = control->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control);
        const int margin = control->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, control);
        return QSizeF(button->width() - 2 * (frame + margin), button->height() - 2 * frame);
    }
    return control->contentsRect().size();
}

QString textOf(QWidget* control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return button->text();
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    return {};
}

int clampedStart(int start, int length, int low, int high)
{
    return std::max(low, std::min(start, high - length));
}

}  // namespace

WindowFit fitWindow(QPoint topLeft, QSize designedSize, qreal zoom, const QRect& available, const QMargins& frame)
{
    const QSize room = available.size().shrunkBy(frame);
    const qreal scale = std::max(
        kSmallestScale,
        std::min({zoom, static_cast<qreal>(room.width()) / designedSize.width(),
                  static_cast<qreal>(room.height()) / designedSize.height()}));
    const QSize size = scaledRect(QRect(QPoint(0, 0), designedSize), scale).size();
    const QPoint place(
        clampedStart(topLeft.x(), size.width() + frame.right(), available.left() + frame.left(),
                     available.left() + available.width()),
        clampedStart(topLeft.y(), size.height() + frame.bottom(), available.top() + frame.top(),
                     available.top() + available.height()));
    return {QRect(place, size), scale};
}

QRect scaledRect(const QRect& designed, qreal scale)
{
    const QPoint topLeft(qRound(designed.left() * scale), qRound(designed.top() * scale));
    const QPoint end(qRound((designed.left() + designed.width()) * scale),
                     qRound((designed.top() + designed.height()) * scale));
    return QRect(topLeft, QSize(std::max(1, end.x() - topLeft.x()), std::max(1, end.y() - topLeft.y())));
}

ScaledLayout::ScaledLayout(QWidget* window, const QRect& designedGeometry)
    : QObject(window), window_(window), designed_(designedGeometry)
{
    window_->installEventFilter(this);
}

void ScaledLayout::place(std::span<const core::Placement> placements,
                         std::initializer_list<std::pair<std::string_view, QWidget*>> controls)
{
    for (const core::Placement& placement : placements) {
        const auto named = std::find_if(controls.begin(), controls.end(),
                                        [&](const auto& candidate) { return candidate.first == placement.name; });
        Q_ASSERT_X(named != controls.end(), "ScaledLayout::place", "a placement with no control of its name");
        if (named == controls.end()) {
            continue;
        }
        QWidget* control = named->second;
        control->setObjectName(QLatin1String(placement.name.data(), static_cast<qsizetype>(placement.name.size())));
        if (!placement.text.source.empty()) {
            control->setProperty("text", translated(placement.text));
        }
        controls_.push_back({control, QRect(placement.left, placement.top, placement.width, placement.height),
                             placement.points > 0 ? gothicFont(placement.points, placement.bold) : QApplication::font(control)});
    }
}

void ScaledLayout::apply(qreal zoom, QPoint topLeft)
{
    zoom_ = zoom;
    const QScreen* screen = QGuiApplication::screenAt(topLeft);
    if (screen == nullptr) {
        screen = window_->screen();
    }
    frame_ = window_->windowHandle() != nullptr ? window_->windowHandle()->frameMargins() : QMargins();
    const WindowFit fit = fitWindow(topLeft, designed_.size(), zoom, screen->availableGeometry(), frame_);

    window_->setFixedSize(fit.geometry.size());
    window_->setGeometry(fit.geometry);
    for (const Control& control : controls_) {
        control.widget->setGeometry(scaledRect(control.geometry, fit.scale));
        QFont font = control.font;
        font.setPointSizeF(font.pointSizeF() * fit.scale);
        const QString text = textOf(control.widget);
        if (!text.isEmpty()) {
            font.setPointSizeF(fittingPointSize(font, {text}, textBox(control.widget)));
        }
        control.widget->setFont(font);
    }
}

void ScaledLayout::follow(const Zoom& zoom)
{
    apply(zoom.factor(), designed_.topLeft());
    connect(&zoom, &Zoom::changed, this, [this, &zoom] { apply(zoom.factor(), window_->geometry().topLeft()); });
}

// Once a window manager has framed the window, the frame is known, and the
// window is fitted again if the frame takes it past the screen's edge.
bool ScaledLayout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::Move && window_->windowHandle() != nullptr &&
        window_->windowHandle()->frameMargins() != frame_) {
        apply(zoom_, window_->geometry().topLeft());
    }
    return false;
}

}  // namespace coinwell
