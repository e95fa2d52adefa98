#pragma once

#include <QFrame>

#include <memory>
#include <optional>
#include <vector>

class QPainter;

namespace coinwell {
class RunModel;
}

namespace coinwell::graph {

class ReplayPlayer;

// What the graph area shows: the histogram of the model's run (or nothing
// before one), one meeting replayed, or the square-root law.
enum class GraphShows { Histogram, Replay, SquareRootLaw };

// The graph area: a sunken frame that paints what it shows. The histogram
// has the exact law over it, the coins to have ready on it and the coverage
// curve as asked. Whenever the model changes it shows the histogram again.
class GraphView final : public QFrame {
    Q_OBJECT

public:
    explicit GraphView(const RunModel& model, QWidget* parent = nullptr);
    ~GraphView() override;

    void setExactLawShown(bool shown);
    void setReadyShown(bool shown);
    // The share of meetings, in percent, whose coins to have ready are
    // marked and the square-root law and the replay's mirror are for.
    void setReadyPercent(int percent);
    // That share while the marker is shown, else 0.
    int readyPercentShown() const { return readyShown_ ? readyPercent_ : 0; }
    void setCoverageShown(bool shown);
    bool coverageShown() const { return coverageShown_; }

    void showHistogram();
    // Plays the meeting of these balances and takes the keyboard focus.
    void showReplay(std::vector<int> balances);
    void showSquareRootLaw();
    GraphShows shows() const { return shows_; }
    // The meeting being replayed, null unless the replay is shown.
    ReplayPlayer* replay() const { return replay_.get(); }

    // Paints what is shown, as the area does, into `area` of any painter.
    void paintShown(QPainter& painter, const QRectF& area, const QColor& textColour) const;
    // The replay or the square-root law in words; empty for the histogram.
    QString viewDescription() const;

signals:
    // What the graph's description says has changed.
    void descriptionChanged();
    void showsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void switchTo(GraphShows shows);
    std::optional<int> mirrorCoins() const;

    const RunModel& model_;
    bool exactLawShown_ = false;
    bool readyShown_ = false;
    int readyPercent_ = 95;
    bool coverageShown_ = false;
    GraphShows shows_ = GraphShows::Histogram;
    std::unique_ptr<ReplayPlayer> replay_;
};

}  // namespace coinwell::graph
