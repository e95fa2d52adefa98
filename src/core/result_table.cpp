#include "core/result_table.h"

#include <cstdio>

namespace coinwell::core {

std::string fixedDecimals(double value, int decimals)
{
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%.*f", decimals, value);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof text) {
        return {};  // only for magnitudes no run comes near
    }
    return std::string(text, static_cast<std::size_t>(length));
}

std::string resultTable(const RunRecord& record)
{
    const RunResult& result = record.result;
    const double experiments = result.settings.experimentCount;
    // Column names stay the same in every language: formulas and scripts
    // refer to them.
    std::string table = "shortage,count,expected_count,guests,experiments,average_shortage,exact_mean,seed\n";
    const std::string settings = std::to_string(result.settings.guestCount) + ',' +
                                 std::to_string(result.settings.experimentCount) + ',' +
                                 fixedDecimals(result.meanShortage(), 6) + ',' + fixedDecimals(record.law.mean(), 6) +
                                 ',' + (record.seed ? std::to_string(*record.seed) : std::string());
    const int lowest = result.counts.lowestCounted();
    for (int shortage = lowest; shortage <= ShortageCounts::kHighestShortage; ++shortage) {
        const double p = shortage == lowest ? record.law.atOrBelow(shortage) : record.law.probability(shortage);
        table += std::to_string(shortage) + ',' + std::to_string(result.counts.at(shortage)) + ',' +
                 fixedDecimals(experiments * p, 4) + ',' + settings + '\n';
    }
    return table;
}

}  // namespace coinwell::core
