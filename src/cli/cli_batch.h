#pragma once
// kvilo-cli --batch: the check of a list of codes from the command line.
#include "cli/cli_arguments.h"
#include "core/lookup/lookup_services.h"

namespace kvilo::cli {

// Exit status: 0 when every line was found, 1 when some were not, 2 when the check could not run or stopped.
int RunBatchCheck(const CliArguments& arguments, const lookup::LookupServices& services);

} // namespace kvilo::cli
