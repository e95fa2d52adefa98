#pragma once

#include "engine/run.h"

#include <QFrame>

#include <optional>

namespace coinwell::graph {

// The graph area: a sunken frame that paints the graph of the last run's
// tally, or nothing before the first run and after clear().
class GraphView final : public QFrame {
    Q_OBJECT

public:
    explicit GraphView(QWidget* parent = nullptr);

    void showResult(const engine::RunResult& result);
    void clear();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<engine::Tally> tally_;
};

}  // namespace coinwell::graph
