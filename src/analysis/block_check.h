// Where the block marks of an analysed text fail to pair up, by line.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "analysis/line_table.h"

namespace korva {

struct BlockMarkProblem {
  enum class Kind {
    NotClosed,    // an opening mark with no closing mark after it
    NotOpened,    // a closing mark with no opening mark before it
    OpenedAgain,  // an opening mark while the block of an earlier one is still open
  };
  std::size_t line;  // 1-based row of the mark
  Kind kind;
  std::string opening;  // the pair's marks, CP932
  std::string closing;
  std::size_t openLine = 0;  // OpenedAgain: the row of the block still open
};

// Follows the rows as they come and names the problems once they are all seen.
class BlockMarkCheck final : public RowConsumer {
 public:
  BlockMarkCheck();
  void Row(std::size_t r, const LineRow& row, std::string_view nextKind) override;
  // Problems in row order.
  std::vector<BlockMarkProblem> Problems() const;
  // Whether any row came.
  bool SawRows() const { return sawRows_; }

 private:
  struct Pair {
    const char* openKind;
    const char* closeKind;
    const std::string* opening;
    const std::string* closing;
    std::size_t openLine = 0;
  };
  std::vector<Pair> pairs_;
  std::vector<BlockMarkProblem> problems_;
  bool sawRows_ = false;
};

// Problems in row order.
std::vector<BlockMarkProblem> FindBlockMarkProblems(const LineTable& table);

}  // namespace korva
