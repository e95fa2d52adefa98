#include "desktop/graph/graph_view.h"

#include "desktop/graph/graph_painter.h"
#include "desktop/main_window/run_model.h"

#include <QPainter>

namespace coinwell::graph {

GraphView::GraphView(const RunModel& model, QWidget* parent) : QFrame(parent), model_(model)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(&model_, &RunModel::changed, this, qOverload<>(&QWidget::update));
}

void GraphView::setExactLawShown(bool shown)
{
    exactLawShown_ = shown;
    update();
}

void GraphView::setReadyShown(bool shown)
{
    readyShown_ = shown;
    update();
    emit readyChanged();
}

void GraphView::setReadyPercent(int percent)
{
    readyPercent_ = percent;
    update();
    emit readyChanged();
}

void GraphView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    const std::optional<core::RunRecord>& record = model_.record();
    if (!record) {
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    paintRecord(painter, contentsRect(), *record, exactLawShown_, palette().color(QPalette::WindowText),
                readyPercentShown());
}

}  // namespace coinwell::graph
