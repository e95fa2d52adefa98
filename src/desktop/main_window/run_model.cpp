#include "desktop/main_window/run_model.h"

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
    runs_.add(record.result);
    record_ = std::move(record);
    emit changed();
}

void RunModel::clear()
{
    settings_ = {};
    record_.reset();
    emit changed();
}

}  // namespace coinwell
