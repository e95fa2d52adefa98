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

void GraphView::showResult(const engine::RunResult& result)
{
    tally_ = result.tally;
    update();
}

void GraphView::clear()
{
    tally_.reset();
    update();
}

void GraphView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (!tally_) {
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    paintGraph(painter, contentsRect(), *tally_, palette().color(QPalette::WindowText));
}

}  // namespace coinwell::graph
