#include "core/result_table.h"

#include "core/coins_ready.h"
#include "core/one_decimal.h"

#include <algorithm>


namespace coinwell::core {

std::string resultTable(const RunRecord& record, const std::vector<int>& classShortages)
{
    const RunResult& result = record.result;
    const double experiments = result.settings.experimentCount;
    // Column names stay the same in every language: formulas and scripts
    // refer to them.
    // A share of guests paying with a coin other than the fair coin's has a
    // column of its own at the end; the fair coin's table stays as it was.
    const bool biased = result.settings.coinPercent != kFairPercent;
    std::string table = "shortage,count,expected_count,guests,experiments,average_shortage,exact_mean,seed,"
                        "share_at_least,exact_share_at_least";
    table += biased ? ",coin_share" : "";
    table += classShortages.empty() ? "\n" : ",class_count\n";
    const std::string settings = std::to_string(result.settings.guestCount) + ',' +
                                 std::to_string(result.settings.experimentCount) + ',' +
                                 fixedDecimals(result.meanShortage(), 6) + ',' + fixedDecimals(record.law.mean(), 6) +
                                 ',' + (record.seed ? std::to_string(*record.seed) : std::string());
    // The class's lowest shortage may lie below the run's.
    int lowest = result.counts.lowestCounted();
    for (const int shortage : classShortages) {
        lowest = std::min(lowest, shortage);
    }
    for (int shortage = lowest; shortage <= ShortageCounts::kHighestShortage; ++shortage) {
        const double p = shortage == lowest ? record.law.atOrBelow(shortage) : record.law.probability(shortage);
        table += std::to_string(shortage) + ',' + std::to_string(result.counts.at(shortage)) + ',' +
                 fixedDecimals(experiments * p, 4) + ',' + settings + ',' +
                 fixedDecimals(shareAtLeast(result.counts, shortage), 6) + ',' +
                 fixedDecimals(shareAtLeast(record.law, shortage), 6) +
                 (biased ? ',' + std::to_string(result.settings.coinPercent) : std::string());
        if (!classShortages.empty()) {
            table += ',' + std::to_string(std::count(classShortages.begin(), classShortages.end(), shortage));
        }
        table += '\n';
    }
    return table;
}

std::string traceTable(const std::vector<RunningPoint>& points)
{
    std::string table = "experiments,average_shortage,standard_error";
    for (const int percent : kReadyPercents) {
        table += ",coins_" + std::to_string(percent);
    }
    table += '\n';
    for (const RunningPoint& point : points) {
        table += std::to_string(point.experiments) + ',' + fixedDecimals(point.average, 6) + ',' +
                 (point.experiments > 1 ? fixedDecimals(point.standardError, 6) : std::string());
        for (const int coins : point.coins) {
            table += ',' + std::to_string(coins);
        }
        table += '\n';
    }
    return table;
}

}  // namespace coinwell::core
