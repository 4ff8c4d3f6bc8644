#include "analysis/block_check.h"

#include <algorithm>

#include "text/literal.h"

namespace korva {
using namespace literals;

BlockMarkCheck::BlockMarkCheck()
    : pairs_{
          {"71", "72", &"「「"_sj, &"」」"_sj}, {"61", "62", &"『『"_sj, &"』』"_sj},
          {"51", "52", &"｛｛"_sj, &"｝｝"_sj}, {"96", "97", &"＜＜"_sj, &"＞＞"_sj},
          {"91", "92", &"【【"_sj, &"】】"_sj}, {"11", "12", &"〔〔"_sj, &"〕〕"_sj},
      } {}

void BlockMarkCheck::Row(std::size_t r, const LineRow& row, std::string_view) {
  using Kind = BlockMarkProblem::Kind;
  sawRows_ = true;
  for (Pair& pair : pairs_) {
    if (row.LineKind == pair.openKind) {
      // Blocks do not nest: the closing mark that follows closes the block
      // already open, so the extra mark is this one.
      if (pair.openLine) {
        problems_.push_back({r, Kind::OpenedAgain, *pair.opening, *pair.closing, pair.openLine});
      } else {
        pair.openLine = r;
      }
    } else if (row.LineKind == pair.closeKind) {
      if (!pair.openLine) problems_.push_back({r, Kind::NotOpened, *pair.opening, *pair.closing});
      pair.openLine = 0;
    }
  }
}

std::vector<BlockMarkProblem> BlockMarkCheck::Problems() const {
  std::vector<BlockMarkProblem> problems = problems_;
  for (const Pair& pair : pairs_) {
    if (pair.openLine) {
      problems.push_back(
          {pair.openLine, BlockMarkProblem::Kind::NotClosed, *pair.opening, *pair.closing});
    }
  }
  std::stable_sort(problems.begin(), problems.end(),
                   [](const auto& a, const auto& b) { return a.line < b.line; });
  return problems;
}

std::vector<BlockMarkProblem> FindBlockMarkProblems(const LineTable& table) {
  BlockMarkCheck check;
  for (std::size_t r = 1; r <= table.RowCount(); ++r) check.Row(r, table.Row(r), {});
  return check.Problems();
}

}  // namespace korva
