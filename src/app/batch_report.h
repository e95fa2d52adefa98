#pragma once

#include "core/run_record.h"

#include <QString>

namespace coinwell {

// The plain-text report of a run without a window: the settings, the
// average, the exact mean, the chi-square test against the exact law (or
// that the run is too small for it) and a text histogram of the 20 most
// frequent shortages.
QString textReport(const core::RunRecord& record);

}  // namespace coinwell
