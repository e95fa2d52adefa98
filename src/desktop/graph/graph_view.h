#pragma once

#include <QFrame>

namespace coinwell {
class RunModel;
}

namespace coinwell::graph {

// The graph area: a sunken frame that paints the graph of the model's run,
// with the exact law over it when asked, or nothing while the model has none.
class GraphView final : public QFrame {
    Q_OBJECT

public:
    explicit GraphView(const RunModel& model, QWidget* parent = nullptr);

    void setExactLawShown(bool shown);
    bool exactLawShown() const { return exactLawShown_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const RunModel& model_;
    bool exactLawShown_ = false;
};

}  // namespace coinwell::graph
