#include "cli/tool_input.h"

#include <cstdio>

#include "session/files.h"
#include "text/path_text.h"

namespace korva::cli {

std::optional<std::string> ReadToolInput(CliContext& ctx, const std::string& file) {
  ctx.ui.SetSubject(file);
  ReadResult read = ReadFileBytes(PathFromUtf8(file));
  if (read.error) {
    ctx.ui.Error("cannot read the file: " + read.error->reason);
    return std::nullopt;
  }
  MinutesInputReport report;
  std::string text = DecodeMinutesBytes(std::move(read.bytes), ctx.inputEncoding, report);
  if (report.hasNulBytes) {
    ctx.ui.Error("the file holds NUL bytes: is it a binary file?");
    return std::nullopt;
  }
  if (!report.replacedLines.empty()) {
    ctx.ui.Error(std::to_string(report.replacedLines.size()) +
                 " line(s) held characters that Shift_JIS cannot hold; they became \"〓\" "
                 "(first: line " +
                 std::to_string(report.replacedLines.front()) + ")");
  }
  if (!report.invalidLines.empty()) {
    ctx.ui.Error(std::to_string(report.invalidLines.size()) +
                 " line(s) hold bytes that are not Shift_JIS (CP932), kept as they are "
                 "(first: line " +
                 std::to_string(report.invalidLines.front()) +
                 "; try --input-encoding utf-8 or auto)");
  }
  return text;
}

bool WriteStdout(std::string_view bytes) {
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
  return std::fflush(stdout) == 0 && written;
}

}  // namespace korva::cli
