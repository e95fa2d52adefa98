#include "desktop/graph/replay_picture.h"

#include "desktop/graph/drawing_painter.h"
#include "desktop/graph/graph_text.h"

#include <QPainter>

namespace coinwell::graph {
namespace {

// Each text is marked with QT_TRANSLATE_NOOP where it is used, in the
// context the browser edition shares.
core::ReplayFacts factsOf(const ReplayPlayer& replay)
{
    return core::replayFacts(replay.balances(), replay.progress().shownGuests());
}

}  // namespace

QString replayProgressText(const core::ReplayFacts& facts)
{
    if (!facts.lowest) {
        return graphText(QT_TRANSLATE_NOOP("coinwell::graph", "Guest %1 of %2, balance %3"))
            .arg(facts.shown)
            .arg(facts.guests)
            .arg(facts.balance);
    }
    return graphText(QT_TRANSLATE_NOOP("coinwell::graph", "Guest %1 of %2, balance %3, lowest so far %4"))
        .arg(facts.shown)
        .arg(facts.guests)
        .arg(facts.balance)
        .arg(*facts.lowest);
}

QString replayStateText(const core::ReplayProgress& progress, const core::ReplayFacts& facts)
{
    if (progress.finished()) {
        const int lowest = facts.lowest.value_or(0);
        if (lowest >= 0) {
            return graphText(QT_TRANSLATE_NOOP("coinwell::graph", "lowest balance %1: no coins were needed")).arg(lowest);
        }
        if (lowest == -1) {
            return graphText(QT_TRANSLATE_NOOP("coinwell::graph", "lowest balance -1: 1 coin would have been enough"));
        }
        return graphText(QT_TRANSLATE_NOOP("coinwell::graph", "lowest balance %1: %2 coins would have been enough"))
            .arg(lowest)
            .arg(-lowest);
    }
    if (progress.paused()) {
        return graphText(QT_TRANSLATE_NOOP("coinwell::graph", "paused: Space plays on, → shows the next guest"));
    }
    return graphText(QT_TRANSLATE_NOOP("coinwell::graph", "%1 guests a second")).arg(progress.pace());
}

QString replayDescription(const ReplayPlayer& replay)
{
    const core::ReplayFacts facts = factsOf(replay);
    return replayProgressText(facts) + u' ' + replayStateText(replay.progress(), facts);
}

void paintReplay(QPainter& painter, const QRectF& area, const ReplayPlayer& replay, std::optional<int> mirrorCoins,
                 const QColor& textColour)
{
    const core::ReplayFacts facts = factsOf(replay);
    core::ReplayTexts texts;
    texts.chart = {graphText(QT_TRANSLATE_NOOP("coinwell::graph", "Coin balance")).toStdString(),
                   graphText(QT_TRANSLATE_NOOP("coinwell::graph", "Guests in order")).toStdString(),
                   textMetrics(QFontMetricsF(painter.font()))};
    texts.progress = replayProgressText(facts).toStdString();
    texts.state = replayStateText(replay.progress(), facts).toStdString();
    if (mirrorCoins) {
        texts.mirror =
            graphText(QT_TRANSLATE_NOOP("coinwell::graph", "mirrored at %1")).arg(-*mirrorCoins).toStdString();
    }
    paintDrawing(painter,
                 core::replayScene({area.left(), area.top(), area.width(), area.height()}, replay.balances(),
                                   facts.shown, texts, mirrorCoins),
                 textColour);
}

}  // namespace coinwell::graph
