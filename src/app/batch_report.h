#pragma once

#include "core/run_record.h"

#include <QString>

namespace coinwell {

// The plain-text report of a run without a window: the settings, the
// average, the exact mean, the chi-square test against the exact law (or
// that the run is too small for it), the coins to have ready for 90, 95 and
// 99 % of meetings by the run and by the exact law, and a text histogram of
// the 20 most frequent shortages.
QString textReport(const core::RunRecord& record);

}  // namespace coinwell
