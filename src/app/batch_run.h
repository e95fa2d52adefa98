#pragma once

#include "app/command_line.h"

#include <cstdio>

namespace coinwell {

// Runs the experiments of a batch command, prints the report and writes the
// CSV table. Returns the exit status: 0 when all went well, 2 when the CSV
// file cannot be written at all (nothing is run then), 1 when the report or
// the table could not be written whole at the end.
int runBatch(const Options& options, std::FILE* out, std::FILE* err);

}  // namespace coinwell
