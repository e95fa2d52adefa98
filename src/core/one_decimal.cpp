#include "core/one_decimal.h"

#include <cmath>

namespace coinwell::core {

std::string formatOneDecimal(double value)
{
    if (!std::isfinite(value)) {
        return ".0";
    }
    const long long tenths = std::llround(std::fabs(value) * 10.0);
    std::string text;
    if (value < 0 && tenths != 0) {
        text += '-';
    }
    if (tenths >= 10) {
        text += std::to_string(tenths / 10);
    }
    text += '.';
    text += static_cast<char>('0' + tenths % 10);
    return text;
}

}  // namespace coinwell::core
