#include "core/result_table.h"

#include "core/coins_ready.h"

#include <cmath>
#include <cstdio>

namespace coinwell::core {

std::string fixedDecimals(double value, int decimals)
{
    // printf rounds an exact half to even; the table has always rounded it
    // away from zero (3.28125 to 3.2813), and halves are common here: 2^-10
    // steps at 10 guests, averages of 16 or 128 experiments. So the digits
    // are written exactly, far past the last one kept, and rounded here.
    char exact[512];
    const int length = std::snprintf(exact, sizeof exact, "%.*f", decimals + 120, std::fabs(value));
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof exact) {
        return {};  // only for magnitudes no run comes near
    }
    std::string digits(exact, static_cast<std::size_t>(length) - 120);  // up to the last decimal kept
    if (exact[length - 120] >= '5') {
        // Carry the rounding up through the kept digits, past the point.
        std::size_t i = digits.size();
        while (i-- > 0) {
            if (digits[i] == '.') {
                continue;
            }
            if (digits[i] != '9') {
                ++digits[i];
                break;
            }
            digits[i] = '0';
        }
        if (i == static_cast<std::size_t>(-1)) {
            digits.insert(digits.begin(), '1');
        }
    }
    if (decimals == 0 && !digits.empty() && digits.back() == '.') {
        digits.pop_back();
    }
    return (value < 0 ? "-" : "") + digits;
}

std::string resultTable(const RunRecord& record)
{
    const RunResult& result = record.result;
    const double experiments = result.settings.experimentCount;
    // Column names stay the same in every language: formulas and scripts
    // refer to them.
    std::string table = "shortage,count,expected_count,guests,experiments,average_shortage,exact_mean,seed,"
                        "share_at_least,exact_share_at_least\n";
    const std::string settings = std::to_string(result.settings.guestCount) + ',' +
                                 std::to_string(result.settings.experimentCount) + ',' +
                                 fixedDecimals(result.meanShortage(), 6) + ',' + fixedDecimals(record.law.mean(), 6) +
                                 ',' + (record.seed ? std::to_string(*record.seed) : std::string());
    const int lowest = result.counts.lowestCounted();
    for (int shortage = lowest; shortage <= ShortageCounts::kHighestShortage; ++shortage) {
        const double p = shortage == lowest ? record.law.atOrBelow(shortage) : record.law.probability(shortage);
        table += std::to_string(shortage) + ',' + std::to_string(result.counts.at(shortage)) + ',' +
                 fixedDecimals(experiments * p, 4) + ',' + settings + ',' +
                 fixedDecimals(shareAtLeast(result.counts, shortage), 6) + ',' +
                 fixedDecimals(shareAtLeast(record.law, shortage), 6) + '\n';
    }
    return table;
}

}  // namespace coinwell::core
