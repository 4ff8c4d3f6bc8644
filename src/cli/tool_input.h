// Reading the input file of the small tools (unwrap, colorize): the
// --input-encoding rule and its warnings, without opening it as minutes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/cli_context.h"
#include "cli/minutes_input.h"

namespace korva::cli {

// The file as CP932 text; nullopt (after a message) when it cannot be read
// or holds NUL bytes. Conversion problems are reported and the text kept.
std::optional<std::string> ReadToolInput(CliContext& ctx, const std::string& file);

// Writes bytes to stdout; false when the output failed.
bool WriteStdout(std::string_view bytes);

}  // namespace korva::cli
