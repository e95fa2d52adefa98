#include "report/run_record.h"

#include <utility>

namespace coinwell::report {

RunRecord recordRun(engine::RunResult result, std::optional<std::uint64_t> seed)
{
    engine::ShortageLaw law(-result.counts.lowest());
    return {std::move(result), std::move(law), seed};
}

}  // namespace coinwell::report
