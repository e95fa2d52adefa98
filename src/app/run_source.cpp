#include "app/run_source.h"

#include <chrono>

namespace coinwell {

RunSource::RunSource(std::optional<std::uint64_t> seed)
    : random_(seed ? *seed : static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()))
{
    if (seed) {
        clock_ = std::make_unique<core::FixedClock>();
    } else {
        clock_ = std::make_unique<core::SystemClock>();
    }
}

}  // namespace coinwell
