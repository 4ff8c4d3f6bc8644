// korva-cli settings: prints the settings in effect after the settings file
// and --set, one NAME=VALUE line per setting, so scripts can see what a run
// will use.
#include <iostream>
#include <set>
#include <string>

#include "cli/cli_context.h"
#include "settings/settings_table.h"
#include "text/codec.h"

namespace korva::cli {

int RunSettings(CliContext& ctx, CommandArgs args) {
  if (!args.Positionals().empty()) throw UsageError{"settings takes no arguments"};
  std::set<std::string_view> shown;
  for (const auto& row : SettingsTable()) {
    if (!shown.insert(row.name).second) continue;
    std::cout << row.name << '=' << Cp932ToUtf8Lossy(SettingValueText(ctx.settings, row)) << '\n';
  }
  return kExitDone;
}

}  // namespace korva::cli
