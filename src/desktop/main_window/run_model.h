#pragma once

#include "core/run_record.h"
#include "core/settings.h"
#include "core/square_root_law.h"

#include <QObject>

#include <optional>
#include <vector>

namespace coinwell {

// What a main window knows: the settings given so far (0 for one not yet
// given), the record of the last run, if the graph shows one, and every run
// made since the program started, which outlive the window. The window's
// views show it and read nothing back from one another.
class RunModel final : public QObject {
    Q_OBJECT

public:
    explicit RunModel(core::RunHistory& runs) : runs_(runs) {}

    const core::Settings& settings() const { return settings_; }
    const std::optional<core::RunRecord>& record() const { return record_; }
    // The runs so far with their coins to have ready for `percent`, one of
    // core::kReadyPercents.
    std::vector<core::RunPoint> runPoints(int percent) const { return runs_.points(percent); }

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
    core::RunHistory& runs_;
};

}  // namespace coinwell
