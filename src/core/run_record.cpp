#include "core/run_record.h"

#include <utility>

namespace coinwell::core {

RunRecord recordRun(RunResult result, std::optional<std::uint64_t> seed)
{
    ShortageLaw law(-result.counts.lowest(), result.settings.coinPercent);
    return {std::move(result), std::move(law), seed};
}

std::optional<Message> coinShareWords(int coinPercent)
{
    if (coinPercent == kFairPercent) {
        return std::nullopt;
    }
    return say(phrase("coinwell::report", ", %1% of guests paying with a coin"), {number(coinPercent)});
}

}  // namespace coinwell::core
