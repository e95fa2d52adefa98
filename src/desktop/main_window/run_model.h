#pragma once

#include "core/run_record.h"
#include "core/settings.h"

#include <QObject>

#include <optional>

namespace coinwell {

// What a main window knows: the settings given so far (0 for one not yet
// given) and the record of the last run, if the graph shows one. The
// window's views show it and read nothing back from one another.
class RunModel final : public QObject {
    Q_OBJECT

public:
    const core::Settings& settings() const { return settings_; }
    const std::optional<core::RunRecord>& record() const { return record_; }

    void setGuestCount(int count);
    void setExperimentCount(int count);
    void setRecord(core::RunRecord record);
    // Forgets the settings and the record, as before the first question.
    void clear();

signals:
    void changed();

private:
    core::Settings settings_;
    std::optional<core::RunRecord> record_;
};

}  // namespace coinwell
