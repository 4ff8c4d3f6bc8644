// What every command gets: the settings after the common options, the Ui and
// the input encoding.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_ui.h"
#include "settings/settings.h"

namespace korva::cli {

enum class InputEncoding { Cp932, Utf8, Auto };

// Exit statuses scripts may rely on.
inline constexpr int kExitDone = 0;
inline constexpr int kExitInputProblem = 1;
inline constexpr int kExitUsage = 2;

struct CliContext {
  Settings settings;
  CliUi ui;
  InputEncoding inputEncoding = InputEncoding::Cp932;
  std::filesystem::path programFolder;  // where the sample style sheets are looked for
  bool prepare = false;                 // minutes are prepared (下準備) before they are opened
};

// Thrown by argument parsing for wrong usage (exit 2); the message is UTF-8.
struct UsageError {
  std::string message;
};

// Pulls command options out of `args`: "--name" flags and "--name VALUE" options.
class CommandArgs {
 public:
  explicit CommandArgs(std::vector<std::string> args) : args_(std::move(args)) {}

  bool TakeFlag(const std::string& name);
  // The value after `name`; throws UsageError when it is missing.
  std::optional<std::string> TakeValue(const std::string& name);
  std::optional<long long> TakeInteger(const std::string& name);
  // What is left; throws UsageError for a leftover option ("-x").
  std::vector<std::string> Positionals() const;

 private:
  std::vector<std::string> args_;
};

}  // namespace korva::cli
