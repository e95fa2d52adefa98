#include "desktop/main_window/run_model.h"

#include <algorithm>
#include <utility>

namespace coinwell {

void RunModel::setGuestCount(int count)
{
    settings_.guestCount = count;
    emit changed();
}

void RunModel::setExperimentCount(int count)
{
    settings_.experimentCount = count;
    emit changed();
}

void RunModel::setRecord(core::RunRecord record)
{
    const core::RunResult& result = record.result;
    Run run{result.settings.guestCount, result.averageShortage(), {}};
    std::transform(core::kReadyPercents.begin(), core::kReadyPercents.end(), run.coins.begin(),
                   [&](int percent) { return core::coinsToHaveReady(result.counts, percent); });
    runs_.push_back(run);
    record_ = std::move(record);
    emit changed();
}

void RunModel::clear()
{
    settings_ = {};
    record_.reset();
    emit changed();
}

std::vector<core::RunPoint> RunModel::runPoints(int percent) const
{
    const auto index = std::find(core::kReadyPercents.begin(), core::kReadyPercents.end(), percent) -
                       core::kReadyPercents.begin();
    std::vector<core::RunPoint> points;
    for (const Run& run : runs_) {
        points.push_back({run.guests, run.averageShortage, run.coins.at(static_cast<std::size_t>(index))});
    }
    return points;
}

}  // namespace coinwell
