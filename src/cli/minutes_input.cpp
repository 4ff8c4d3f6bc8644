#include "cli/minutes_input.h"

#include <algorithm>

#include "analysis/block_check.h"
#include "intake/open_minutes.h"
#include "prepare/prepare.h"
#include "session/files.h"
#include "text/codec.h"
#include "text/path_text.h"
#include "text/sjis.h"

namespace korva::cli {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool HasNonAscii(std::string_view bytes) {
  return std::any_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// Byte offsets where each line starts (CR LF, LF and CR end lines).
std::vector<std::size_t> LineStarts(std::string_view text) {
  std::vector<std::size_t> starts{0};
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    if (text[i] == '\r' || text[i] == '\n') starts.push_back(i + 1);
  }
  return starts;
}

std::size_t LineOf(const std::vector<std::size_t>& starts, std::size_t offset) {
  return static_cast<std::size_t>(std::upper_bound(starts.begin(), starts.end(), offset) -
                                  starts.begin());
}

std::string LineList(const std::vector<std::size_t>& lines) {
  std::string out;
  const std::size_t shown = std::min<std::size_t>(lines.size(), 20);
  for (std::size_t i = 0; i < shown; ++i) out += (i ? ", " : "") + std::to_string(lines[i]);
  if (lines.size() > shown) out += " and " + std::to_string(lines.size() - shown) + " more";
  return out;
}

// The characters of a UTF-8 name that CP932 cannot hold, each once, in order.
std::vector<std::string> UnmappableChars(const std::string& utf8) {
  std::vector<std::size_t> at;
  Utf8ToCp932(utf8, &at);
  std::vector<std::string> chars;
  for (const std::size_t offset : at) {
    std::size_t end = offset + 1;
    while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
    std::string c = utf8.substr(offset, end - offset);
    if (std::find(chars.begin(), chars.end(), c) == chars.end()) chars.push_back(std::move(c));
  }
  return chars;
}

// The text with every change of the preparation applied.
std::string PreparedText(const CliContext& ctx, const std::string& text) {
  const std::vector<std::string> lines = sjis::SplitLines(text);
  const PrepareResult result = PrepareMinutes(lines, ctx.settings);
  ctx.ui.Note("prepared: " + std::to_string(result.changes.size()) + " change(s), " +
              std::to_string(result.report.pageMarkers.size()) + " page marker(s) removed");
  for (const PrepareNote& note : result.report.unknownTitles) {
    ctx.ui.Note("line " + std::to_string(note.line) +
                ": no title table knows this designation: " + Cp932ToUtf8Lossy(note.text));
  }
  return sjis::JoinLines(ApplyPrepareChanges(lines, result.changes));
}

}  // namespace

std::string DecodeMinutesBytes(std::string bytes, InputEncoding encoding,
                               MinutesInputReport& report) {
  const bool bom = bytes.compare(0, kUtf8Bom.size(), kUtf8Bom) == 0;
  if (encoding == InputEncoding::Auto) {
    encoding = bom || (HasNonAscii(bytes) && IsValidUtf8(bytes) && !IsValidCp932(bytes))
                   ? InputEncoding::Utf8
                   : InputEncoding::Cp932;
  }
  std::string text;
  if (encoding == InputEncoding::Utf8) {
    if (bom) bytes.erase(0, kUtf8Bom.size());
    std::vector<std::size_t> replacedAt;
    text = Utf8ToCp932(bytes, &replacedAt);
    const std::vector<std::size_t> starts = LineStarts(bytes);
    for (std::size_t offset : replacedAt) {
      const std::size_t line = LineOf(starts, offset);
      if (report.replacedLines.empty() || report.replacedLines.back() != line) {
        report.replacedLines.push_back(line);
      }
    }
    report.convertedFromUtf8 = true;
  } else {
    text = std::move(bytes);
    if (!IsValidCp932(text)) {
      const std::vector<std::string> lines = sjis::SplitLines(text);
      for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!IsValidCp932(lines[i])) report.invalidLines.push_back(i + 1);
      }
    }
  }
  report.hasNulBytes = text.find('\0') != std::string::npos;
  return text;
}

std::optional<MinutesInputReport> LoadMinutesInput(CliContext& ctx, Document& doc,
                                                   const std::filesystem::path& file,
                                                   OpenKeeps keeps) {
  ctx.ui.SetSubject(Utf8FromPath(file));
  ReadResult read = ReadFileBytes(file);
  if (read.error) {
    ctx.ui.Error("cannot read the minutes file: " + read.error->reason);
    return std::nullopt;
  }
  MinutesInputReport report;
  std::string text = DecodeMinutesBytes(std::move(read.bytes), ctx.inputEncoding, report);
  if (ctx.prepare && !report.hasNulBytes) text = PreparedText(ctx, text);
  OpenMinutesText(ctx.settings, doc, ctx.ui, FromFsPath(file), std::move(text), keeps);
  if (keeps == OpenKeeps::TextOnly) {
    sjis::ForEachLine(doc.EditorMinutesText, [&](std::size_t, std::size_t) { ++report.lineCount; });
  } else {
    report.lineCount = doc.MinutesTextList.size();
    // The command line shows no editor pane: its copy of the whole text would
    // only add to the peak memory of the steps that follow.
    std::string().swap(doc.EditorMinutesText);
  }

  if (!report.replacedLines.empty()) {
    ctx.ui.Error("characters that Shift_JIS cannot hold were replaced by \"〓\" on line(s) " +
                 LineList(report.replacedLines));
  }
  if (!report.invalidLines.empty()) {
    ctx.ui.Error("bytes that are not Shift_JIS (CP932) on line(s) " +
                 LineList(report.invalidLines) +
                 "; they are kept as they are (try --input-encoding utf-8 or auto)");
  }
  if (report.hasNulBytes) ctx.ui.Error("the file holds NUL bytes: is it a binary file?");
  // Two such names could come out the same; the output is still written.
  report.unmappableNameChars = UnmappableChars(Utf8FromPath(file.filename()));
  if (report.HasNameProblem()) {
    std::string chars;
    for (const std::string& c : report.unmappableNameChars) {
      chars += (chars.empty() ? "\"" : " \"") + c + "\"";
    }
    ctx.ui.Error("the file name holds characters that Shift_JIS cannot hold (" + chars +
                 "); they become \"〓\" in the output name and the title");
  }
  return report;
}

std::string BlockMarkProblemText(const BlockMarkProblem& p, std::string_view leftOpen) {
  const std::string opening = "\"" + Cp932ToUtf8Lossy(p.opening) + "\"";
  const std::string closing = "\"" + Cp932ToUtf8Lossy(p.closing) + "\"";
  switch (p.kind) {
    case BlockMarkProblem::Kind::NotClosed:
      return opening + " " + std::string(leftOpen);
    case BlockMarkProblem::Kind::NotOpened:
      return closing + " closes no " + opening;
    case BlockMarkProblem::Kind::OpenedAgain:
      break;
  }
  return opening + " opens a block while the one opened on line " + std::to_string(p.openLine) +
         " is still open (no " + closing + " between them)";
}

bool ReportBlockMarks(const CliContext& ctx, const std::vector<BlockMarkProblem>& problems) {
  for (const BlockMarkProblem& p : problems) {
    const std::string leftOpen = "is left open (no \"" + Cp932ToUtf8Lossy(p.closing) + "\")";
    ctx.ui.Error("line " + std::to_string(p.line) + ": " + BlockMarkProblemText(p, leftOpen));
  }
  return !problems.empty();
}

}  // namespace korva::cli
