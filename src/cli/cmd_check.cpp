// korva-cli check MINUTES...: block-mark counts, speakers and every problem
// that can be named with its line number.
#include <cstdio>
#include <string>

#include "analysis/block_check.h"
#include "analysis/speaker_lists.h"
#include "cli/cli_context.h"
#include "cli/minutes_input.h"
#include "text/codec.h"
#include "text/literal.h"
#include "text/path_text.h"
#include "text/sjis.h"
#include "text/string_helpers.h"

namespace korva::cli {

namespace {
using namespace korva::literals;

std::string U8(const std::string& cp932) {
  return Cp932ToUtf8Lossy(cp932);
}

// Why no speaker was found. Without a "■" line the proceedings may never
// have opened; with one, the speaker lines are not in a form the rules know.
std::string NoSpeakerProblem(const StringList& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (sjis::StartsWith(ZenkakuTrimLeft(lines[i]), "■"_sj)) {
      return "no speaker line found after the \"■\" line " + std::to_string(i + 1) +
             ": a speaker line starts with a mark such as \"○\" and a full-width space, or"
             " with a designation that ends in a title such as \"議長\"";
    }
  }
  return "no speaker line found: mark where the proceedings begin with a line starting \"■\"";
}

// Writes the report of one analysed file; returns false when its marks do not pair up.
bool ReportFile(const std::string& file, const Document& doc, const MinutesInputReport& input,
                std::string& out) {
  out += file + ":\n";
  out += "  lines: " + std::to_string(input.lineCount) + "\n";
  const MarkCountCheck marks = CheckProcessMarkCount(doc);
  out += "  block marks (opening / closing):\n";
  for (const MarkPairCount& pair : marks.pairs) {
    out += "    " + U8(pair.opening) + " " + U8(pair.closing) + "  " +
           std::to_string(pair.openCount) + " / " + std::to_string(pair.closeCount) +
           (pair.Balanced() ? "" : "  (unbalanced)") + "\n";
  }
  out += "  speakers (" + std::to_string(doc.SpeakerNameSet.Count()) + "):\n";
  for (const std::string& name : doc.SpeakerNameSet) out += "    " + U8(name) + "\n";

  std::vector<std::string> problems;
  for (std::size_t line : input.replacedLines) {
    problems.push_back("line " + std::to_string(line) + ": characters replaced by \"〓\"");
  }
  for (std::size_t line : input.invalidLines) {
    problems.push_back("line " + std::to_string(line) + ": bytes that are not Shift_JIS");
  }
  for (const BlockMarkProblem& p : FindBlockMarkProblems(doc.MinutesTextStringGrid)) {
    problems.push_back("line " + std::to_string(p.line) + ": " +
                       BlockMarkProblemText(p, "is not closed by \"" + U8(p.closing) + "\""));
  }
  if (input.lineCount == 0) {
    problems.push_back("the file has no lines");
  } else if (doc.SpeakerNameSet.Empty()) {
    problems.push_back(NoSpeakerProblem(doc.MinutesTextList));
  }
  if (input.hasNulBytes) problems.push_back("the file holds NUL bytes");
  out += "  problems (" + std::to_string(problems.size()) + "):\n";
  for (const std::string& problem : problems) out += "    " + problem + "\n";
  return marks.balanced;
}

}  // namespace

int RunCheck(CliContext& ctx, CommandArgs args) {
  const std::vector<std::string> files = args.Positionals();
  if (files.empty()) throw UsageError{"check needs at least one minutes file"};
  int status = kExitDone;
  for (const std::string& file : files) {
    Document doc;
    const auto report = LoadMinutesInput(ctx, doc, PathFromUtf8(file));
    if (!report) {
      status = kExitInputProblem;
      continue;
    }
    std::string out;
    if (!ReportFile(file, doc, *report, out) || report->lineCount == 0) status = kExitInputProblem;
    std::fwrite(out.data(), 1, out.size(), stdout);
  }
  std::fflush(stdout);
  return status;
}

}  // namespace korva::cli
