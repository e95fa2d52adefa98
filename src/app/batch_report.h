#pragma once

#include "core/run_record.h"

#include <QString>

namespace coinwell {

// The plain-text report of a run without a window: the settings, the
// average, the exact mean, the chi-square test against the exact law (or
// that the run is too small for it), the coins to have ready for 90, 95 and
// 99 % of meetings by the run and by the exact law, a text histogram of the
// 20 most frequent shortages, and then how sure the run is: the core's
// precisionLines (the spread, the standard error, the 95 % interval for the
// mean against the exact mean, and the range of coins a run of this size
// could have said).
QString textReport(const core::RunRecord& record);

}  // namespace coinwell
