#include "core/result_table.h"

#include "core/coins_ready.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace coinwell::core {

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
