// korva-cli table MINUTES: the analysed line table, one TAB-separated row per line.
#include <cstdio>

#include "cli/cli_context.h"
#include "cli/minutes_input.h"
#include "text/codec.h"

namespace korva::cli {

namespace {

// A field as TSV readers expect it: a TAB or line break inside would start a
// new field or row, so it is written as "\t", "\n" or "\r", and "\" as "\\".
void AppendField(std::string_view cp932, std::string& out) {
  for (const char c : Cp932ToUtf8Lossy(cp932)) {
    switch (c) {
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out += c;
    }
  }
}

}  // namespace

int RunTable(CliContext& ctx, CommandArgs args) {
  const std::vector<std::string> files = args.Positionals();
  if (files.size() != 1) throw UsageError{"table needs exactly one minutes file"};
  Document doc;
  const auto report = LoadMinutesInput(ctx, doc, files.front());
  if (!report) return kExitInputProblem;
  if (report->lineCount == 0) return kExitInputProblem;

  std::string out;
  for (const LineRow& row : doc.MinutesTextStringGrid) {
    for (std::string_view field :
         {row.LineNo.view(), std::string_view(row.Designation), std::string_view(row.Text),
          row.LineKind.view(), row.SpeechNo.view(), row.CategoryCode.view(), row.BlockPos.view()}) {
      AppendField(field, out);
      out += '\t';
    }
    AppendField(row.KindLabel, out);
    out += '\n';
    if (out.size() > (1 << 20)) {
      std::fwrite(out.data(), 1, out.size(), stdout);
      out.clear();
    }
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 ? kExitDone : kExitInputProblem;
}

}  // namespace korva::cli
