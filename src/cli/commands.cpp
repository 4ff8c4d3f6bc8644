#include "cli/commands.h"

#include <vector>

namespace korva::cli {

int RunTable(CliContext& ctx, CommandArgs args);
int RunCheck(CliContext& ctx, CommandArgs args);
int RunSettings(CliContext& ctx, CommandArgs args);

std::span<const CliCommand> Commands() {
  static const std::vector<CliCommand> commands = {
      {"table", "table MINUTES", "prints the analysed line table, one TAB-separated row per line",
       RunTable},
      {"check", "check MINUTES...", "reports block-mark counts, speakers and problems by line",
       RunCheck},
      {"settings", "settings", "prints the settings in effect, one NAME=VALUE line per setting",
       RunSettings},
  };
  return commands;
}

}  // namespace korva::cli
