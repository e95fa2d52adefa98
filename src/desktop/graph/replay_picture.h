#pragma once

#include "desktop/graph/replay_player.h"

#include <QColor>
#include <QRectF>
#include <QString>

#include <optional>

class QPainter;

namespace coinwell::graph {

// Where the replay is and what it is doing, as its picture says and a
// screen reader speaks it.
QString replayProgressText(const core::ReplayFacts& facts);
QString replayStateText(const core::ReplayProgress& progress, const core::ReplayFacts& facts);
QString replayDescription(const ReplayPlayer& replay);

// The replay's path so far in `area`, mirrored at -mirrorCoins if given.
void paintReplay(QPainter& painter, const QRectF& area, const ReplayPlayer& replay, std::optional<int> mirrorCoins,
                 const QColor& textColour);

}  // namespace coinwell::graph
