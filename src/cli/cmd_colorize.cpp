// korva-cli colorize FILE.html: the syntax-coloured RTF document on stdout.
#include "cli/cli_context.h"
#include "cli/tool_input.h"
#include "tools/html_rtf.h"

namespace korva::cli {

int RunColorize(CliContext& ctx, CommandArgs args) {
  const std::vector<std::string> files = args.Positionals();
  if (files.size() != 1) throw UsageError{"colorize needs exactly one HTML file"};
  auto text = ReadToolInput(ctx, files.front());
  if (!text) return kExitInputProblem;
  if (text->empty()) ctx.ui.Note("the file is empty: the RTF document has no text");
  // Written as it is made: the document is some six times the HTML.
  TqlxHTMLRTF writer;
  writer.SetText(std::move(*text));
  bool written = true;
  writer.ConvertInPieces([&](std::string_view piece) { written = written && WriteStdout(piece); });
  if (!written) {
    ctx.ui.Error("cannot write the RTF document to standard output");
    return kExitInputProblem;
  }
  return kExitDone;
}

}  // namespace korva::cli
