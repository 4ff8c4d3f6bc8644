// The analysed form of the minutes: one row per text line.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace korva {

struct LineRow {
  std::string LineNo;        // PadNumber(r, 4)
  std::string Designation;   // speaker designation (kind "2") or heading (kind "4")
  std::string Text;          // the line text
  std::string LineKind;      // "0".."12", "51", "52", "61", "62", "71".."73", "91".."97", "99", "-"
  std::string SpeechNo;      // kind "2": running speech number
  std::string CategoryCode;  // "1".."14" or empty
  std::string BlockPos;      // "1" first, "2" middle, "3" last, "0" single, "9" section end
  std::string KindLabel;     // "発言者" / "議題" (display only)
};

// Rows are numbered from 1 like the grid they model; Row(r) is row r. The
// cleared state holds one empty row, so RowCount() is 1 both for a cleared
// table and for a one-line text.
class LineTable {
 public:
  LineTable() { Clear(); }

  void Clear() { rows_.assign(1, LineRow{}); }
  void Resize(std::size_t rowCount) { rows_.assign(rowCount, LineRow{}); }

  std::size_t RowCount() const { return rows_.size(); }
  LineRow& Row(std::size_t r) { return rows_.at(r - 1); }
  const LineRow& Row(std::size_t r) const { return rows_.at(r - 1); }

  std::vector<LineRow>::iterator begin() { return rows_.begin(); }
  std::vector<LineRow>::iterator end() { return rows_.end(); }
  std::vector<LineRow>::const_iterator begin() const { return rows_.begin(); }
  std::vector<LineRow>::const_iterator end() const { return rows_.end(); }

 private:
  std::vector<LineRow> rows_;
};

}  // namespace korva
