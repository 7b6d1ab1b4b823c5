#pragma once

#include "cli/CliArguments.h"

namespace orvex::cli {

// Each command returns the process exit code (ExitCodes.h) and writes its
// result to stdout, its errors to stderr.
int RunShow(const CliArguments& arguments);
int RunLibrary(const CliArguments& arguments);

// The device commands (DeviceCommands.cpp, WriteCommands.cpp): they find the
// mouse (or the simulated one), check its identity and run one flow.
int RunList(const CliArguments& arguments);
int RunRead(const CliArguments& arguments);
int RunShowFromMouse(const CliArguments& arguments);
int RunWrite(const CliArguments& arguments);
int RunReset(const CliArguments& arguments);
int RunImportMacros(const CliArguments& arguments);

}  // namespace orvex::cli
