#pragma once

#include "core/run_model.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QTimer>

class QPainter;

namespace coinwell::graph {

// The graph area: a sunken frame that paints what the window's model shows
// there (the histogram of the run, a meeting replayed, or the square-root
// law) and moves a replay on once a display frame while it plays.
class GraphView final : public QFrame {
    Q_OBJECT

public:
    explicit GraphView(core::RunModel& model, QWidget* parent = nullptr);

    core::RunModel& model() const { return model_; }
    // Does what an enabled command does to the graph area; false for one it
    // leaves to the menu: copying, saving and printing.
    bool trigger(core::Command command);
    // Shows the model as it now is, after a run or an Init.
    void refresh();

    // Paints what is shown, as the area does, into `area` of any painter.
    void paintShown(QPainter& painter, const QRectF& area, const QColor& textColour) const;
    // What is shown, in words for screen readers.
    QString description() const;

signals:
    // What the picture, its description or the menu's items show changed.
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void frame();

    core::RunModel& model_;
    QTimer frames_;
    QElapsedTimer sinceFrame_;
};

}  // namespace coinwell::graph
