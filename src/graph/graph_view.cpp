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
    paintRecord(painter, contentsRect(), *record_, exactLawShown_, palette().color(QPalette::WindowText));
}

}  // namespace coinwell::graph
