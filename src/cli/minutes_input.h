// Reading a minutes file on the command line: the --input-encoding rule, the
// problems worth telling (unreadable file, "〓" replacements, bytes that are
// not Shift_JIS), then opening it exactly as the desktop program does.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/block_check.h"
#include "cli/cli_context.h"
#include "intake/open_minutes.h"
#include "session/document.h"

namespace korva::cli {

struct MinutesInputReport {
  std::size_t lineCount = 0;
  bool convertedFromUtf8 = false;
  // 1-based line numbers, in order, each once.
  std::vector<std::size_t> replacedLines;  // characters Shift_JIS cannot hold became "〓"
  std::vector<std::size_t> invalidLines;   // bytes that are not Shift_JIS, kept unchanged
  bool hasNulBytes = false;
  // Characters of the file's name that Shift_JIS cannot hold (UTF-8, each
  // once): they become "〓" in the output name and the title.
  std::vector<std::string> unmappableNameChars;
  bool HasNameProblem() const { return !unmappableNameChars.empty(); }
  // True when anything above is worth a warning.
  bool HasProblems() const {
    return lineCount == 0 || !replacedLines.empty() || !invalidLines.empty() || hasNulBytes ||
           HasNameProblem();
  }
};

// Converts file bytes to the CP932 text the program works on, as `encoding`
// says, filling the conversion part of `report`.
std::string DecodeMinutesBytes(std::string bytes, InputEncoding encoding,
                               MinutesInputReport& report);

// Reads `file`, opens it into `doc` (reset, load, analysis, names, include
// files, try-out CSS check) and prints its problems on stderr, prefixed with
// the file. nullopt when the file cannot be read (the message says why).
// `keeps` as for OpenMinutesText: without the lines, the text stays in
// EditorMinutesText, which is otherwise let go.
std::optional<MinutesInputReport> LoadMinutesInput(CliContext& ctx, Document& doc,
                                                   const std::filesystem::path& file,
                                                   OpenKeeps keeps = OpenKeeps::LinesAndAnalysis);

// What is wrong with a block mark, for a message after "line N: ";
// `leftOpen` words what a mark that is never closed is.
std::string BlockMarkProblemText(const BlockMarkProblem& p, std::string_view leftOpen);

// Prints every block mark that does not pair up, with its line; true when
// there were any.
bool ReportBlockMarks(const CliContext& ctx, const std::vector<BlockMarkProblem>& problems);

}  // namespace korva::cli
