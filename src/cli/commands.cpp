#include "cli/commands.h"

#include <vector>

namespace korva::cli {

std::span<const CliCommand> Commands() {
  static const std::vector<CliCommand> commands = {
  };
  return commands;
}

}  // namespace korva::cli
