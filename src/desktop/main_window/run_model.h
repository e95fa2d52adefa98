#pragma once

#include "core/coins_ready.h"
#include "core/run_record.h"
#include "core/settings.h"
#include "core/square_root_law.h"

#include <QObject>

#include <array>
#include <optional>
#include <vector>

namespace coinwell {

// What a main window knows: the settings given so far (0 for one not yet
// given), the record of the last run, if the graph shows one, and what the
// square-root law shows of every run the window has made. The window's
// views show it and read nothing back from one another.
class RunModel final : public QObject {
    Q_OBJECT

public:
    const core::Settings& settings() const { return settings_; }
    const std::optional<core::RunRecord>& record() const { return record_; }
    // The runs so far with their coins to have ready for `percent`, one of
    // core::kReadyPercents.
    std::vector<core::RunPoint> runPoints(int percent) const;

    void setGuestCount(int count);
    void setExperimentCount(int count);
    void setRecord(core::RunRecord record);
    // Forgets the settings and the record, as before the first question;
    // the runs made stay.
    void clear();

signals:
    void changed();

private:
    core::Settings settings_;
    std::optional<core::RunRecord> record_;
    struct Run {
        int guests = 0;
        double averageShortage = 0.0;
        std::array<int, core::kReadyPercents.size()> coins{};  // one for each of kReadyPercents
    };
    std::vector<Run> runs_;
};

}  // namespace coinwell
