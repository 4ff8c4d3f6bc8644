// Where korva-cli takes its settings from: --settings FILE, --project
// FILE.mpr, or the program's own settings file (beside the executable, then
// in the per-user configuration folder). None found means designer defaults.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "cli/cli_context.h"

namespace korva::cli {

// Reads the chosen settings into ctx.settings. A file named on the command
// line that does not exist or cannot be read is an input problem (throws
// std::runtime_error); the program's own file is optional.
void LoadCliSettings(CliContext& ctx, const std::optional<std::string>& settingsFile,
                     const std::optional<std::string>& projectFile, const char* argv0);

}  // namespace korva::cli
