// The command table of korva-cli. Each command lives in its own file and
// gets one row in commands.cpp.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "cli/cli_context.h"

namespace korva::cli {

struct CliCommand {
  const char* name;
  const char* usage;  // shown by --help, after "korva-cli "
  const char* summary;
  int (*run)(CliContext& ctx, CommandArgs args);
};

std::span<const CliCommand> Commands();

}  // namespace korva::cli
