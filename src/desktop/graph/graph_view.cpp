#include "desktop/graph/graph_view.h"

#include "core/coins_ready.h"
#include "core/shortage_law.h"
#include "core/square_root_law.h"
#include "desktop/graph/graph_painter.h"
#include "desktop/graph/replay_picture.h"
#include "desktop/graph/replay_player.h"
#include "desktop/graph/square_root_picture.h"
#include "desktop/main_window/run_model.h"

#include <QPainter>

#include <utility>

namespace coinwell::graph {

GraphView::GraphView(const RunModel& model, QWidget* parent) : QFrame(parent), model_(model)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(&model_, &RunModel::changed, this, [this] {
        showHistogram();
        update();
    });
}

GraphView::~GraphView() = default;

void GraphView::setExactLawShown(bool shown)
{
    exactLawShown_ = shown;
    update();
}

void GraphView::setReadyShown(bool shown)
{
    readyShown_ = shown;
    update();
    emit descriptionChanged();
}

void GraphView::setReadyPercent(int percent)
{
    readyPercent_ = percent;
    update();
    emit descriptionChanged();
}

void GraphView::setCoverageShown(bool shown)
{
    coverageShown_ = shown;
    update();
    emit descriptionChanged();
}

void GraphView::showHistogram() { switchTo(GraphShows::Histogram); }

void GraphView::showReplay(std::vector<int> balances)
{
    replay_ = std::make_unique<ReplayPlayer>(std::move(balances));
    connect(replay_.get(), &ReplayPlayer::moved, this, qOverload<>(&QWidget::update));
    connect(replay_.get(), &ReplayPlayer::stateChanged, this, &GraphView::descriptionChanged);
    switchTo(GraphShows::Replay);
    setFocus();
}

void GraphView::showSquareRootLaw() { switchTo(GraphShows::SquareRootLaw); }

void GraphView::switchTo(GraphShows shows)
{
    if (shows != GraphShows::Replay) {
        replay_.reset();
    }
    if (shows == shows_ && shows != GraphShows::Replay) {
        return;
    }
    shows_ = shows;
    update();
    emit showsChanged();
    emit descriptionChanged();
}

// The exact coins to have ready at the chosen share for the meeting's
// guests, while the mirror is asked for.
std::optional<int> GraphView::mirrorCoins() const
{
    if (!replay_ || !replay_->mirrored()) {
        return std::nullopt;
    }
    return core::coinsToHaveReady(core::ShortageLaw(static_cast<int>(replay_->balances().size())), readyPercent_);
}

void GraphView::paintShown(QPainter& painter, const QRectF& area, const QColor& textColour) const
{
    switch (shows_) {
    case GraphShows::Histogram:
        if (const std::optional<core::RunRecord>& record = model_.record()) {
            paintRecord(painter, area, *record, {exactLawShown_, readyPercentShown(), coverageShown_}, textColour);
        }
        break;
    case GraphShows::Replay:
        paintReplay(painter, area, *replay_, mirrorCoins(), textColour);
        break;
    case GraphShows::SquareRootLaw:
        paintSquareRoot(painter, area, core::exactForAllGuests(readyPercent_), model_.runPoints(readyPercent_),
                        readyPercent_, textColour);
        break;
    }
}

QString GraphView::viewDescription() const
{
    switch (shows_) {
    case GraphShows::Replay:
        return replayDescription(*replay_);
    case GraphShows::SquareRootLaw:
        return squareRootDescription(readyPercent_, model_.runPoints(readyPercent_).size());
    case GraphShows::Histogram:
        break;
    }
    return {};
}

void GraphView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setFont(font());
    paintShown(painter, contentsRect(), palette().color(QPalette::WindowText));
}

}  // namespace coinwell::graph
