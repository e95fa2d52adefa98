#pragma once

#include "report/run_record.h"

#include <QFrame>

#include <optional>

namespace coinwell::graph {

// The graph area: a sunken frame that paints the graph of the last run, with
// the exact law over it when asked, or nothing before the first run and
// after clear().
class GraphView final : public QFrame {
    Q_OBJECT

public:
    explicit GraphView(QWidget* parent = nullptr);

    void showRecord(const report::RunRecord& record);
    void clear();
    const std::optional<report::RunRecord>& record() const { return record_; }

    void setExactLawShown(bool shown);
    bool exactLawShown() const { return exactLawShown_; }

signals:
    // The graph got a result or lost it.
    void recordChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<report::RunRecord> record_;
    bool exactLawShown_ = false;
};

}  // namespace coinwell::graph
