#include "cli/settings_source.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "platform/program.h"
#include "session/document.h"
#include "settings/ini_settings.h"
#include "text/codec.h"
#include "text/path_text.h"

namespace korva::cli {
namespace {

namespace fs = std::filesystem;

void Load(CliContext& ctx, const fs::path& file, bool required) {
  std::error_code ec;
  if (required && !fs::is_regular_file(file, ec)) {
    throw std::runtime_error(Utf8FromPath(file) + ": no such settings file");
  }
  Document scratch;
  const IniLoadResult result = LoadIniSettings(FromFsPath(file), ctx.settings, scratch, ctx.ui);
  if (result.error) throw std::runtime_error(result.error->Describe());
  ctx.ui.Detail("settings: " + Utf8FromPath(file));
  for (const auto* list : {&result.problems, &result.notes}) {
    for (const IniProblem& p : *list) {
      ctx.ui.Note(Utf8FromPath(file) + (p.lineNo ? ":" + std::to_string(p.lineNo) : "") + ": " +
                  p.description);
    }
  }
}

}  // namespace

void LoadCliSettings(CliContext& ctx, const std::optional<std::string>& settingsFile,
                     const std::optional<std::string>& projectFile, const char* argv0) {
  if (settingsFile && projectFile) {
    throw UsageError{"--settings and --project both name a settings file; give one"};
  }
  if (settingsFile) return Load(ctx, PathFromUtf8(*settingsFile), true);
  if (projectFile) return Load(ctx, PathFromUtf8(*projectFile), true);
  const fs::path program = platform::ProgramPath(argv0);
  if (auto found = FindSettingsFile(program.parent_path(), Utf8FromPath(program.stem()),
                                    UserConfigFolder())) {
    Load(ctx, *found, false);
  } else {
    ctx.ui.Detail("no settings file found; using the built-in defaults");
  }
}

}  // namespace korva::cli
