#include "engine/count_rule.h"

#include "engine/settings.h"

#include <cmath>

namespace coinwell::engine {

std::optional<std::int16_t> acceptCount(double number, int lowerBound)
{
    if (!(number >= lowerBound && number <= Settings::kMaxCount)) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(std::floor(number));
}

}  // namespace coinwell::engine
