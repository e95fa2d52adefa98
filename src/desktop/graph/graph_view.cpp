#include "desktop/graph/graph_view.h"

#include "desktop/graph/drawing_painter.h"
#include "desktop/toolkit/translated.h"

#include <QPainter>

namespace coinwell::graph {
namespace {

constexpr int kFrameMilliseconds = 16;  // about a display's frame

}  // namespace

GraphView::GraphView(core::RunModel& model, QWidget* parent) : QFrame(parent), model_(model)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    frames_.setTimerType(Qt::PreciseTimer);
    frames_.setInterval(kFrameMilliseconds);
    connect(&frames_, &QTimer::timeout, this, &GraphView::frame);
}

bool GraphView::trigger(core::Command command)
{
    const core::GraphView was = model_.view();
    if (!model_.trigger(command)) {
        return false;
    }
    // Space then plays and pauses here rather than pressing a button.
    const core::GraphView now = model_.view();
    if (now != was && (now == core::GraphView::Replay || now == core::GraphView::RunningAverage)) {
        setFocus();
    }
    refresh();
    return true;
}

void GraphView::refresh()
{
    if (!model_.playing()) {
        frames_.stop();
    } else if (!frames_.isActive()) {
        sinceFrame_.start();
        frames_.start();
    }
    update();
    emit changed();
}

void GraphView::frame()
{
    model_.advance(static_cast<double>(sinceFrame_.restart()) / 1000.0);
    update();
    if (!model_.playing()) {
        frames_.stop();
        emit changed();
    }
}

void GraphView::paintShown(QPainter& painter, const QRectF& area, const QColor& textColour) const
{
    const core::Rect rect{area.left(), area.top(), area.width(), area.height()};
    paintDrawing(painter, model_.picture(rect, FontTextSetter(painter.font())), textColour);
}

QString GraphView::description() const { return translated(model_.description()); }

void GraphView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setFont(font());
    paintShown(painter, contentsRect(), palette().color(QPalette::WindowText));
}

}  // namespace coinwell::graph
