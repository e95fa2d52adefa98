#include "core/run_record.h"

#include <utility>

namespace coinwell::core {

RunRecord recordRun(RunResult result, std::optional<std::uint64_t> seed)
{
    ShortageLaw law(-result.counts.lowest());
    return {std::move(result), std::move(law), seed};
}

}  // namespace coinwell::core
