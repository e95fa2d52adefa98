#include "graph/graph_view.h"

#include "graph/graph_painter.h"

#include <QPainter>

namespace coinwell::graph {

GraphView::GraphView(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void GraphView::showRecord(const report::RunRecord& record)
{
    record_ = record;
    update();
    emit recordChanged();
}

void GraphView::clear()
{
    record_.reset();
    update();
    emit recordChanged();
}

void GraphView::setExactLawShown(bool shown)
{
    exactLawShown_ = shown;
    update();
}

void GraphView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (!record_) {
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    // The kept images have a flat ground; a style's gradient or texture
    // shows through only when the graph is painted over it afresh.
    const QBrush& ground = palette().brush(backgroundRole());
    if (ground.style() != Qt::SolidPattern || !ground.isOpaque()) {
        paintRecord(painter, contentsRect(), *record_, exactLawShown_, palette().color(QPalette::WindowText));
        return;
    }
    const std::optional<ExactOverlay> overlay = recordOverlay(*record_, exactLawShown_);
    backdrop_.paint(painter, contentsRect(), record_->result.tally, palette().color(QPalette::WindowText),
                    palette().color(backgroundRole()), overlay ? &*overlay : nullptr);
}

}  // namespace coinwell::graph
