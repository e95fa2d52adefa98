#include "core/one_decimal.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

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

std::string fixedDecimals(double value, int decimals)
{
    // printf rounds an exact half to even; the table has always rounded it
    // away from zero (3.28125 to 3.2813), and halves are common here: 2^-10
    // steps at 10 guests, averages of 16 or 128 experiments. So the digits
    // are written exactly, far past the last one kept, and rounded here.
    constexpr int kPast = 120;
    char exact[512];
    const int length = std::snprintf(exact, sizeof exact, "%.*f", decimals + kPast, std::fabs(value));
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof exact || length > 19 + kPast) {
        return {};  // only for magnitudes no run comes near
    }
    std::string kept(exact, static_cast<std::size_t>(length - kPast));
    kept.erase(std::remove(kept.begin(), kept.end(), '.'), kept.end());
    std::string digits = std::to_string(std::stoll(kept) + (exact[length - kPast] >= '5' ? 1 : 0));
    digits.insert(0, static_cast<std::size_t>(std::max<int>(0, decimals + 1 - static_cast<int>(digits.size()))), '0');
    if (decimals > 0) {
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    }
    return (value < 0 ? "-" : "") + digits;
}

}  // namespace coinwell::core
