// korva-cli table MINUTES: the analysed line table, one TAB-separated row per line.
#include <cstdio>

#include "analysis/minutes_grid.h"
#include "cli/cli_context.h"
#include "cli/minutes_input.h"
#include "text/codec.h"

namespace korva::cli {

namespace {

// A field as TSV readers expect it: a TAB or line break inside would start a
// new field or row, so it is written as "\t", "\n" or "\r", and "\" as "\\".
// Converted straight into `out`; only a field that holds one is reworked.
void AppendField(std::string_view cp932, std::string& out) {
  const std::size_t start = out.size();
  AppendCp932AsUtf8Lossy(out, cp932);
  if (out.find_first_of("\t\n\r\\", start) == std::string::npos) return;
  const std::string field = out.substr(start);
  out.resize(start);
  for (const char c : field) {
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

// Prints each row as soon as the analysis hands it on: the table is never held.
class RowPrinter final : public RowConsumer {
 public:
  void Row(std::size_t, const LineRow& row, std::string_view) override {
    for (std::string_view field :
         {row.LineNo.view(), std::string_view(row.Designation), std::string_view(row.Text),
          row.LineKind.view(), row.SpeechNo.view(), row.CategoryCode.view(), row.BlockPos.view()}) {
      AppendField(field, out_);
      out_ += '\t';
    }
    AppendField(row.KindLabel, out_);
    out_ += '\n';
    if (out_.size() > (1 << 20)) Flush();
  }

  // False when stdout refused the text.
  bool Flush() {
    const bool written = std::fwrite(out_.data(), 1, out_.size(), stdout) == out_.size();
    out_.clear();
    ok_ = ok_ && written;
    return ok_;
  }

 private:
  std::string out_;
  bool ok_ = true;
};

}  // namespace

int RunTable(CliContext& ctx, CommandArgs args) {
  const std::vector<std::string> files = args.Positionals();
  if (files.size() != 1) throw UsageError{"table needs exactly one minutes file"};
  Document doc;
  const auto report = LoadMinutesInput(ctx, doc, files.front(), OpenKeeps::TextOnly);
  if (!report) return kExitInputProblem;
  if (report->lineCount == 0) return kExitInputProblem;

  RowPrinter printer;
  StreamMinutesAnalysis(ctx.settings, doc, doc.EditorMinutesText, printer);
  const bool written = printer.Flush();
  return written && std::fflush(stdout) == 0 ? kExitDone : kExitInputProblem;
}

}  // namespace korva::cli
