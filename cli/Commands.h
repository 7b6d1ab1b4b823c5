#pragma once

#include "cli/CliArguments.h"

namespace orvex::cli {

// Each command returns the process exit code (ExitCodes.h) and writes its
// result to stdout, its errors to stderr.
int RunShow(const CliArguments& arguments);
int RunLibrary(const CliArguments& arguments);

}  // namespace orvex::cli
