#pragma once

#include "report/run_record.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace coinwell::report {

// The table a spreadsheet opens as it is: UTF-8, a header row, one row per
// shortage from the lowest counted to +1 with its count and the count the
// exact law expects, and on every row the settings, the average, the exact
// mean and the seed (empty without one). The lowest row's expected count
// also holds every lower shortage, which no experiment reached, so both
// columns add up to the number of experiments.
QByteArray resultTable(const RunRecord& record);

// The plain-text report of a run without a window: the settings, the
// average, the exact mean, the chi-square test against the exact law and a
// text histogram of the 20 most frequent shortages.
QString textReport(const RunRecord& record);

// One line under a printed graph: the settings, the average, the exact
// mean, the seed if any and when it was printed.
QString captionLine(const RunRecord& record, const QDateTime& printedAt);

}  // namespace coinwell::report
