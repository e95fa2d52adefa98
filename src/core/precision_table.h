#pragma once

#include "core/drawing.h"
#include "core/run_record.h"

#include <vector>

// How sure a run is, as a small table over its histogram: the average, the
// standard deviation, the standard error, the 95 % interval for the mean
// and the coins to have ready for the chosen share with their range, each
// beside the exact law's.
namespace coinwell::core {

// Set on a white ground in the top left or else the top right corner of
// `room`, where it is clear, as a label is placed.
void drawPrecisionTable(Drawing& drawing, const RunRecord& record, int percent, const TextSetter& setter, const Rect& room);

// The table's cells, row by row: a row's name, the run's value, the law's;
// under a heading row, the interval's at kIntervalRow.
inline constexpr std::size_t kIntervalRow = 4;
std::vector<std::vector<Message>> precisionCells(const RunRecord& record, int percent);

}  // namespace coinwell::core
