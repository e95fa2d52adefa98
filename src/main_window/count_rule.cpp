#include "main_window/count_rule.h"

#include "engine/settings.h"

#include <cmath>

namespace coinwell::main_window {

std::optional<std::int16_t> AcceptCount(double number, int lowerBound)
{
    if (!(number >= lowerBound && number <= engine::Settings::kMaxCount)) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(std::floor(number));
}

}  // namespace coinwell::main_window
