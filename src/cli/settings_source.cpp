#include "cli/settings_source.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

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
    throw std::runtime_error(file.string() + ": no such settings file");
  }
  Document scratch;
  const IniLoadResult result = LoadIniSettings(FromFsPath(file), ctx.settings, scratch, ctx.ui);
  if (result.error) throw std::runtime_error(result.error->Describe());
  ctx.ui.Detail("settings: " + file.string());
  for (const auto* list : {&result.problems, &result.notes}) {
    for (const IniProblem& p : *list) {
      ctx.ui.Note(file.string() + (p.lineNo ? ":" + std::to_string(p.lineNo) : "") + ": " +
                  p.description);
    }
  }
}

}  // namespace

fs::path ExecutablePath(const char* argv0) {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec && !self.empty()) return self;
  return fs::absolute(fs::path(argv0 ? argv0 : "korva-cli"), ec);
}

void LoadCliSettings(CliContext& ctx, const std::optional<std::string>& settingsFile,
                     const std::optional<std::string>& projectFile, const char* argv0) {
  if (settingsFile && projectFile) {
    throw UsageError{"--settings and --project both name a settings file; give one"};
  }
  if (settingsFile) return Load(ctx, fs::path(*settingsFile), true);
  if (projectFile) return Load(ctx, fs::path(*projectFile), true);
  const fs::path program = ExecutablePath(argv0);
  if (auto found =
          FindSettingsFile(program.parent_path(), program.stem().string(), UserConfigFolder())) {
    Load(ctx, *found, false);
  } else {
    ctx.ui.Detail("no settings file found; using the built-in defaults");
  }
}

}  // namespace korva::cli
