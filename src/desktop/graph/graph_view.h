#pragma once

#include <QFrame>

namespace coinwell {
class RunModel;
}

namespace coinwell::graph {

// The graph area: a sunken frame that paints the graph of the model's run,
// with the exact law over it and the coins to have ready on it when asked,
// or nothing while the model has none.
class GraphView final : public QFrame {
    Q_OBJECT

public:
    explicit GraphView(const RunModel& model, QWidget* parent = nullptr);

    void setExactLawShown(bool shown);
    bool exactLawShown() const { return exactLawShown_; }
    void setReadyShown(bool shown);
    // The share of meetings, in percent, whose coins to have ready are marked.
    void setReadyPercent(int percent);
    // That share while the marker is shown, else 0.
    int readyPercentShown() const { return readyShown_ ? readyPercent_ : 0; }

signals:
    void readyChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const RunModel& model_;
    bool exactLawShown_ = false;
    bool readyShown_ = false;
    int readyPercent_ = 95;
};

}  // namespace coinwell::graph
