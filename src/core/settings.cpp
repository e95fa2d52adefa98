#include "core/settings.h"

#include "core/read_number.h"

#include <cmath>

namespace coinwell::core {

std::optional<std::int32_t> acceptCount(double number, CountRange range)
{
    if (!(number >= range.lowest && number <= range.highest)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(std::floor(number));
}

std::optional<std::int32_t> acceptEntry(std::u16string_view entry, CountRange range)
{
    return acceptCount(readNumber(entry), range);
}

}  // namespace coinwell::core
