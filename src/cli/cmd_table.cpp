// korva-cli table MINUTES: the analysed line table, one TAB-separated row per line.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

#include "analysis/minutes_grid.h"
#include "cli/cli_context.h"
#include "cli/minutes_input.h"
#include "text/codec.h"
#include "text/path_text.h"

namespace korva::cli {

namespace {

// A lambda, so that the searches below inline it rather than call it per byte.
constexpr auto NeedsEscape = [](char c) {
  return c == '\t' || c == '\n' || c == '\r' || c == '\\';
};

// Makes the UTF-8 field in [start, end) a field as TSV readers expect it: a
// TAB or line break inside would start a new field or row, so it is written
// as "\t", "\n" or "\r", and "\" as "\\". Each of these is one byte that
// becomes two, where a converted byte may take three: the room given for
// the conversion holds the result. Returns the new end.
char* EscapeField(char* start, char* end) {
  if (std::find_if(start, end, NeedsEscape) == end) return end;
  const std::string field(start, end);
  for (const char c : field) {
    if (!NeedsEscape(c)) {
      *start++ = c;
      continue;
    }
    *start++ = '\\';
    *start++ = c == '\t' ? 't' : c == '\n' ? 'n' : c == '\r' ? 'r' : '\\';
  }
  return start;
}

// Whether the CP932 field holds a byte that needs escaping once converted: a
// TAB, line break or "\" in the UTF-8 text comes only from such a byte (the
// "\" that ends "表" answers yes too; the converted text then tells). Eight
// bytes at a time: most fields hold none.
bool MayNeedEscape(std::string_view field) {
  constexpr std::uint64_t kOnes = 0x0101010101010101u, kHighBits = 0x8080808080808080u;
  const auto holds = [](std::uint64_t word, unsigned char byte) {
    const std::uint64_t x = word ^ (kOnes * byte);  // a zero byte where `byte` is
    return ((x - kOnes) & ~x & kHighBits) != 0;
  };
  std::size_t i = 0;
  for (; i + 8 <= field.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, field.data() + i, 8);
    if (holds(word, '\t') || holds(word, '\n') || holds(word, '\r') || holds(word, '\\')) {
      return true;
    }
  }
  return std::any_of(field.begin() + i, field.end(), NeedsEscape);
}

// Prints each row as soon as the analysis hands it on: the table is never
// held. The UTF-8 text goes straight into a buffer of its own.
class RowPrinter final : public RowConsumer {
 public:
  void Row(std::size_t, const LineRow& row, std::string_view) override {
    const std::string_view fields[] = {row.LineNo,   row.Designation,  row.Text,     row.LineKind,
                                       row.SpeechNo, row.CategoryCode, row.BlockPos, row.KindLabel};
    std::size_t most = 0;
    for (std::string_view field : fields) most += 3 * field.size() + 2;
    if (static_cast<std::size_t>(end_ - buffer_.get()) + most > size_) Flush();
    if (most > size_) {
      buffer_.reset(new char[size_ = most]);
      end_ = buffer_.get();
    }
    for (std::string_view field : fields) {
      char* const converted = Cp932ToUtf8Lossy(field, end_);
      end_ = MayNeedEscape(field) ? EscapeField(end_, converted) : converted;
      *end_++ = '\t';
    }
    end_[-1] = '\n';
  }

  // False when stdout refused the text.
  bool Flush() {
    const auto size = static_cast<std::size_t>(end_ - buffer_.get());
    ok_ = ok_ && std::fwrite(buffer_.get(), 1, size, stdout) == size;
    end_ = buffer_.get();
    return ok_;
  }

 private:
  std::size_t size_ = 1 << 20;
  std::unique_ptr<char[]> buffer_{new char[size_]};
  char* end_ = buffer_.get();
  bool ok_ = true;
};

}  // namespace

int RunTable(CliContext& ctx, CommandArgs args) {
  const std::vector<std::string> files = args.Positionals();
  if (files.size() != 1) throw UsageError{"table needs exactly one minutes file"};
  Document doc;
  const auto report = LoadMinutesInput(ctx, doc, PathFromUtf8(files.front()), OpenKeeps::TextOnly);
  if (!report) return kExitInputProblem;
  if (report->lineCount == 0) return kExitInputProblem;

  RowPrinter printer;
  StreamMinutesAnalysis(ctx.settings, doc, doc.EditorMinutesText, printer, StreamLists::None);
  const bool written = printer.Flush();
  return written && std::fflush(stdout) == 0 ? kExitDone : kExitInputProblem;
}

}  // namespace korva::cli
