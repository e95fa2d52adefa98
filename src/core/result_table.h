#pragma once

#include "core/run_record.h"
#include "core/running_average.h"

#include <string>
#include <vector>

namespace coinwell::core {

// The table a spreadsheet opens as it is: UTF-8, a header row, one row per
// shortage from the lowest counted to +1 with its count and the count the
// exact law expects, and on every row the settings, the average, the exact
// mean and the seed (empty without one), and last the share of the run's
// experiments and the exact share of meetings whose shortage is at least
// the row's: what -shortage coins cover. The lowest row's expected count
// also holds every lower shortage, which no experiment reached, so both
// columns add up to the number of experiments. Numbers are written the same
// in every language, so that scripts can read them and the same seed gives
// the same bytes.
// The class's meetings, if any were given, have a column of their own at
// the end, how many of them had each row's shortage.
std::string resultTable(const RunRecord& record, const std::vector<int>& classShortages = {});

// A run's trace: after each of traceCounts the experiments so far, their
// average shortage, its standard error (empty after one) and the coins to
// have ready for each share of kReadyPercents, one row each.
std::string traceTable(const std::vector<RunningPoint>& points);

}  // namespace coinwell::core
