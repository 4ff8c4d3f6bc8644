// korva-cli: the core commands without a window, for batches and scripts.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_context.h"
#include "cli/commands.h"
#include "cli/interrupt_cleanup.h"
#include "cli/settings_source.h"
#include "platform/program.h"
#include "settings/settings_table.h"
#include "text/codec.h"

namespace korva::cli {
namespace {

void PrintHelp() {
  std::cout << "usage: korva-cli [options] COMMAND [arguments]\n\n"
               "Turns the plain-text minutes of Japanese meetings into colour-coded HTML.\n\n"
               "commands:\n";
  for (const auto& command : Commands()) {
    std::cout << "  korva-cli " << command.usage << "\n      " << command.summary << '\n';
  }
  std::cout << "\noptions:\n"
               "  --settings FILE         read settings from this INI settings file\n"
               "  --project FILE.mpr      read settings from this project file instead\n"
               "  --set NAME=VALUE        override one setting by its control name (repeatable)\n"
               "  --input-encoding auto|cp932|utf-8\n"
               "                          how minutes files are read (default cp932)\n"
               "  -q, --quiet             less on stderr\n"
               "  -v, --verbose           more on stderr\n"
               "  --help                  this text\n"
               "  --version               the program's version\n";
}

InputEncoding ParseEncoding(const std::string& text) {
  if (text == "cp932") return InputEncoding::Cp932;
  if (text == "utf-8" || text == "utf8") return InputEncoding::Utf8;
  if (text == "auto") return InputEncoding::Auto;
  throw UsageError{"--input-encoding must be auto, cp932 or utf-8, not \"" + text + "\""};
}

// "NAME=VALUE": the value arrives in UTF-8 and is stored as CP932 text.
void ApplySet(Settings& settings, const std::string& assignment) {
  const auto eq = assignment.find('=');
  if (eq == std::string::npos)
    throw UsageError{"--set needs NAME=VALUE, not \"" + assignment + "\""};
  const std::string name = assignment.substr(0, eq);
  const SettingRow* row = FindSettingByName(name);
  if (!row) throw UsageError{"--set: there is no setting named \"" + name + "\""};
  std::vector<std::size_t> unmapped;
  const std::string value = Utf8ToCp932(assignment.substr(eq + 1), &unmapped);
  if (!unmapped.empty()) {
    throw UsageError{"--set " + name + ": the value holds characters Shift_JIS cannot hold"};
  }
  if (auto error = SetSettingFromText(settings, *row, value)) throw UsageError{"--set: " + *error};
}

int Run(const std::vector<std::string>& argv) {
  const int argc = static_cast<int>(argv.size());
  std::vector<std::string> rest;
  std::vector<std::string> assignments;
  Settings scratch;  // checks each --set as it comes, so bad usage fails before anything runs
  Verbosity verbosity = Verbosity::Normal;
  InputEncoding encoding = InputEncoding::Cp932;
  bool help = false;
  std::optional<std::string> settingsFile, projectFile;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) throw UsageError{arg + " needs a value"};
      return argv[++i];
    };
    if (arg == "--help" || arg == "-h") {
      help = true;
    } else if (arg == "--version") {
      std::cout << "korva-cli " << KORVA_VERSION << '\n';
      return kExitDone;
    } else if (arg == "-q" || arg == "--quiet") {
      verbosity = Verbosity::Quiet;
    } else if (arg == "-v" || arg == "--verbose") {
      verbosity = Verbosity::Verbose;
    } else if (arg == "--settings") {
      settingsFile = value();
    } else if (arg == "--project") {
      projectFile = value();
    } else if (arg == "--set") {
      assignments.push_back(value());
      ApplySet(scratch, assignments.back());
    } else if (arg == "--input-encoding") {
      encoding = ParseEncoding(value());
    } else {
      rest.push_back(arg);
    }
  }
  if (help) {
    PrintHelp();
    return kExitDone;
  }
  if (rest.empty()) throw UsageError{"no command given (see korva-cli --help)"};

  const char* argv0 = argc > 0 ? argv[0].c_str() : nullptr;
  CliContext ctx{Settings{}, CliUi(verbosity), encoding,
                 platform::ProgramPath(argv0).parent_path()};
  LoadCliSettings(ctx, settingsFile, projectFile, argv0);
  // --set applies after any settings file.
  for (const auto& assignment : assignments) ApplySet(ctx.settings, assignment);

  const std::string name = rest.front();
  rest.erase(rest.begin());
  for (const auto& command : Commands()) {
    if (name == command.name) return command.run(ctx, CommandArgs(std::move(rest)));
  }
  throw UsageError{"unknown command \"" + name + "\" (see korva-cli --help)"};
}

}  // namespace
}  // namespace korva::cli

int main(int argc, char** argv) {
  korva::cli::RemoveTemporariesOnInterrupt();
  korva::platform::UseBinaryStandardOutput();
  try {
    return korva::cli::Run(korva::platform::Utf8Arguments(argc, argv));
  } catch (const korva::cli::UsageError& e) {
    std::cerr << "korva-cli: " << e.message << '\n';
    return korva::cli::kExitUsage;
  } catch (const std::exception& e) {
    std::cerr << "korva-cli: " << e.what() << '\n';
    return korva::cli::kExitInputProblem;
  }
}
