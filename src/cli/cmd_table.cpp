// korva-cli table MINUTES: the analysed line table, one TAB-separated row per line.
#include <cstdio>

#include "cli/cli_context.h"
#include "cli/minutes_input.h"
#include "text/codec.h"

namespace korva::cli {

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
      out += Cp932ToUtf8Lossy(field);
      out += '\t';
    }
    out += Cp932ToUtf8Lossy(row.KindLabel);
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
