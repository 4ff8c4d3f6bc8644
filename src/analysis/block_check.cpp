#include "analysis/block_check.h"

#include <algorithm>
#include <array>

#include "text/literal.h"

namespace korva {
using namespace literals;

std::vector<BlockMarkProblem> FindBlockMarkProblems(const LineTable& table) {
  struct Pair {
    const char* openKind;
    const char* closeKind;
    const std::string& opening;
    const std::string& closing;
    std::size_t openLine = 0;
  };
  std::array<Pair, 6> pairs = {{
      {"71", "72", "「「"_sj, "」」"_sj},
      {"61", "62", "『『"_sj, "』』"_sj},
      {"51", "52", "｛｛"_sj, "｝｝"_sj},
      {"96", "97", "＜＜"_sj, "＞＞"_sj},
      {"91", "92", "【【"_sj, "】】"_sj},
      {"11", "12", "〔〔"_sj, "〕〕"_sj},
  }};
  using Kind = BlockMarkProblem::Kind;
  std::vector<BlockMarkProblem> problems;
  for (std::size_t r = 1; r <= table.RowCount(); ++r) {
    const std::string& kind = table.Row(r).LineKind;
    for (Pair& pair : pairs) {
      if (kind == pair.openKind) {
        // Blocks do not nest: the closing mark that follows closes the block
        // already open, so the extra mark is this one.
        if (pair.openLine) {
          problems.push_back({r, Kind::OpenedAgain, pair.opening, pair.closing, pair.openLine});
        } else {
          pair.openLine = r;
        }
      } else if (kind == pair.closeKind) {
        if (!pair.openLine) problems.push_back({r, Kind::NotOpened, pair.opening, pair.closing});
        pair.openLine = 0;
      }
    }
  }
  for (const Pair& pair : pairs) {
    if (pair.openLine)
      problems.push_back({pair.openLine, Kind::NotClosed, pair.opening, pair.closing});
  }
  std::stable_sort(problems.begin(), problems.end(),
                   [](const auto& a, const auto& b) { return a.line < b.line; });
  return problems;
}

}  // namespace korva
