// korva-cli prepare MINUTES... [--out DIR | --in-place] [--dry-run]: the
// preparation (下準備) of minutes exported by a minutes system.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "cli/cli_context.h"
#include "cli/minutes_input.h"
#include "prepare/prepare.h"
#include "session/files.h"
#include "text/codec.h"
#include "text/path_text.h"
#include "text/sjis.h"

namespace korva::cli {

namespace {

namespace fs = std::filesystem;

struct PrepareOptions {
  std::optional<std::string> outDir;
  bool inPlace = false;
  bool dryRun = false;
  std::vector<std::string> files;
};

PrepareOptions ParsePrepareOptions(CommandArgs& args) {
  PrepareOptions options;
  options.outDir = args.TakeValue("--out");
  options.inPlace = args.TakeFlag("--in-place");
  options.dryRun = args.TakeFlag("--dry-run");
  options.files = args.Positionals();
  if (options.files.empty()) throw UsageError{"prepare needs at least one minutes file"};
  if (options.outDir && options.inPlace)
    throw UsageError{"prepare takes --out DIR or --in-place, not both"};
  if (!options.outDir && !options.inPlace && !options.dryRun) {
    throw UsageError{"prepare needs --out DIR, --in-place or --dry-run"};
  }
  return options;
}

// Prints the changes and the report of one file on stdout, in UTF-8.
void PrintResult(const std::string& file, const PrepareResult& result) {
  std::string out;
  auto line = [&](std::size_t n) { return file + (n ? ":" + std::to_string(n) : "") + ": "; };
  auto lines = [&](const std::string& cp932, const char* sign) {
    if (cp932.empty()) return;
    for (const std::string& l : sjis::SplitLines(cp932))
      out += std::string("  ") + sign + " " + Cp932ToUtf8Lossy(l) + "\n";
  };
  for (const PrepareChange& change : result.changes) {
    out += line(change.line) + Cp932ToUtf8Lossy(change.reason) + "\n";
    lines(change.before, "-");
    lines(change.after, "+");
  }
  const PrepareReport& report = result.report;
  for (const PrepareNote& note : report.unknownTitles) {
    out += line(note.line) +
           "no title table knows this designation: " + Cp932ToUtf8Lossy(note.text) + "\n";
  }
  for (const PrepareNote& note : report.leftAsItWas) {
    out += line(note.line) + "left as it was: " + Cp932ToUtf8Lossy(note.text) + "\n";
  }
  std::string marks;
  for (const auto& [mark, count] : report.speakerMarks) {
    marks += " " + Cp932ToUtf8Lossy(mark) + " " + std::to_string(count);
  }
  out += line(0) + std::to_string(result.changes.size()) + " change(s), " +
         std::to_string(report.pageMarkers.size()) +
         " page marker(s) removed; speaker marks:" + (marks.empty() ? " none" : marks) + "\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
}

bool Write(CliContext& ctx, const fs::path& path, std::string_view bytes) {
  if (auto error = WriteFileAtomically(path, bytes)) {
    ctx.ui.Error("not written: " + error->Describe());
    return false;
  }
  ctx.ui.Detail("written: " + Utf8FromPath(path));
  return true;
}

int PrepareOne(CliContext& ctx, const PrepareOptions& options, const fs::path& file) {
  ctx.ui.SetSubject(Utf8FromPath(file));
  ReadResult read = ReadFileBytes(file);
  if (read.error) {
    ctx.ui.Error("cannot read the minutes file: " + read.error->reason);
    return kExitInputProblem;
  }
  MinutesInputReport input;
  const std::string text = DecodeMinutesBytes(read.bytes, ctx.inputEncoding, input);
  if (input.hasNulBytes) {
    ctx.ui.Error("the file holds NUL bytes: is it a binary file? It was left as it is");
    return kExitInputProblem;
  }
  const std::vector<std::string> lines = sjis::SplitLines(text);
  if (lines.empty()) {
    ctx.ui.Error("the file has no lines; nothing was prepared");
    return kExitInputProblem;
  }
  if (!input.invalidLines.empty()) {
    ctx.ui.Error("bytes that are not Shift_JIS (CP932) on " +
                 std::to_string(input.invalidLines.size()) + " line(s); they are kept as they are");
  }

  const PrepareResult result = PrepareMinutes(lines, ctx.settings);
  PrintResult(Utf8FromPath(file), result);
  if (options.dryRun) return kExitDone;

  const std::string prepared = ApplyPrepareChangesToText(
      text, result.changes, std::vector<bool>(result.changes.size(), true));
  if (options.outDir) {
    const fs::path target = PathFromUtf8(*options.outDir) / file.filename();
    std::error_code ec;
    if (fs::equivalent(target, file, ec)) {
      ctx.ui.Error("--out names the file's own folder; use --in-place to prepare it there");
      return kExitInputProblem;
    }
    return Write(ctx, target, prepared) ? kExitDone : kExitInputProblem;
  }
  if (result.changes.empty()) return kExitDone;
  // The backup keeps the file as it was first found: an older one stays.
  fs::path backup = file;
  backup += ".orig";
  std::error_code ec;
  if (fs::is_regular_file(backup, ec)) {
    ctx.ui.Note("the backup " + Utf8FromPath(backup) + " already exists and is kept as it is");
  } else if (fs::exists(backup, ec)) {
    ctx.ui.Error(Utf8FromPath(backup) + " is in the way of the backup; the file was left as it is");
    return kExitInputProblem;
  } else if (!Write(ctx, backup, read.bytes)) {
    ctx.ui.Error("without a backup the file was left as it is");
    return kExitInputProblem;
  }
  return Write(ctx, file, prepared) ? kExitDone : kExitInputProblem;
}

}  // namespace

int RunPrepare(CliContext& ctx, CommandArgs args) {
  const PrepareOptions options = ParsePrepareOptions(args);
  if (options.outDir && !options.dryRun) {
    std::error_code ec;
    fs::create_directories(*options.outDir, ec);
    if (!fs::is_directory(*options.outDir)) {
      ctx.ui.Error("cannot create the output folder " + *options.outDir +
                   (ec ? ": " + ec.message() : ": a file of that name is in the way"));
      return kExitInputProblem;
    }
  }
  int status = kExitDone;
  for (const std::string& file : options.files) {
    if (PrepareOne(ctx, options, PathFromUtf8(file)) != kExitDone) status = kExitInputProblem;
  }
  std::fflush(stdout);
  return status;
}

}  // namespace korva::cli
