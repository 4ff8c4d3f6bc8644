// The analysed form of the minutes: one row per text line.
#pragma once

#include <cstddef>
#include <cstring>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korva {

// A short cell of the line table (a code, a number, a label), held inside
// the row: most rows would otherwise pay a whole string object for each of
// six cells of one or two bytes. A value that does not fit is refused, never
// cut.
template <std::size_t Capacity>
class CellText {
 public:
  CellText() = default;
  explicit CellText(std::string_view s) { *this = s; }

  CellText& operator=(std::string_view s) {
    if (s.size() > Capacity) throw std::length_error("line table cell too long");
    std::memcpy(data_, s.data(), s.size());
    size_ = static_cast<unsigned char>(s.size());
    return *this;
  }

  std::string_view view() const { return {data_, size_}; }
  operator std::string_view() const { return view(); }
  operator std::string() const { return std::string(view()); }
  bool empty() const { return size_ == 0; }
  std::size_t size() const { return size_; }
  void clear() { size_ = 0; }

  // Compared byte by byte: cells are a few bytes long, too short to pay for a call.
  friend bool operator==(const CellText& a, std::string_view b) {
    if (a.size_ != b.size()) return false;
    for (std::size_t i = 0; i < b.size(); ++i) {
      if (a.data_[i] != b[i]) return false;
    }
    return true;
  }
  friend bool operator==(const CellText& a, const char* b) { return a == std::string_view(b); }
  friend bool operator==(const CellText& a, const std::string& b) {
    return a == std::string_view(b);
  }
  friend std::string operator+(const CellText& a, std::string_view b) {
    return std::string(a.view()).append(b);
  }
  friend std::string operator+(std::string_view a, const CellText& b) {
    return std::string(a).append(b.view());
  }
  friend std::ostream& operator<<(std::ostream& os, const CellText& c) { return os << c.view(); }

 private:
  char data_[Capacity] = {};
  unsigned char size_ = 0;
};

struct LineRow {
  std::string Designation;   // speaker designation (kind "2") or heading (kind "4")
  std::string Text;          // the line text
  CellText<15> LineNo;       // PadNumber(r, 4)
  CellText<15> SpeechNo;     // kind "2": running speech number
  CellText<7> LineKind;      // "0".."12", "51", "52", "61", "62", "71".."73", "91".."97", "99", "-"
  CellText<7> CategoryCode;  // "1".."14" or empty
  CellText<7> BlockPos;      // "1" first, "2" middle, "3" last, "0" single, "9" section end
  CellText<7> KindLabel;     // "発言者" / "議題" (display only)

  // Empties every cell; the two texts keep their storage for the next use.
  void Clear() {
    Designation.clear();
    Text.clear();
    LineNo.clear();
    SpeechNo.clear();
    LineKind.clear();
    CategoryCode.clear();
    BlockPos.clear();
    KindLabel.clear();
  }
};

// Receives the rows of analysed minutes one at a time, in order, each once
// nothing can change it any more.
class RowConsumer {
 public:
  virtual ~RowConsumer() = default;
  // Row r; `nextKind` is the LineKind of row r + 1, empty after the last row.
  virtual void Row(std::size_t r, const LineRow& row, std::string_view nextKind) = 0;
};

// Hands each row to several consumers in turn.
class RowFanOut final : public RowConsumer {
 public:
  explicit RowFanOut(std::vector<RowConsumer*> consumers) : consumers_(std::move(consumers)) {}
  void Row(std::size_t r, const LineRow& row, std::string_view nextKind) override {
    for (RowConsumer* consumer : consumers_) consumer->Row(r, row, nextKind);
  }

 private:
  std::vector<RowConsumer*> consumers_;
};

// Rows are numbered from 1 like the grid they model; Row(r) is row r. The
// cleared state holds one empty row, so RowCount() is 1 both for a cleared
// table and for a one-line text.
class LineTable {
 public:
  LineTable() { Clear(); }

  void Clear() {
    rows_.assign(1, LineRow{});
    ++version_;
  }
  void Resize(std::size_t rowCount) {
    rows_.assign(rowCount, LineRow{});
    ++version_;
  }
  // Changes with every rebuild, so that a view knows when to read the rows again.
  std::size_t Version() const { return version_; }

  std::size_t RowCount() const { return rows_.size(); }
  LineRow& Row(std::size_t r) { return rows_.at(r - 1); }
  const LineRow& Row(std::size_t r) const { return rows_.at(r - 1); }

  std::vector<LineRow>::iterator begin() { return rows_.begin(); }
  std::vector<LineRow>::iterator end() { return rows_.end(); }
  std::vector<LineRow>::const_iterator begin() const { return rows_.begin(); }
  std::vector<LineRow>::const_iterator end() const { return rows_.end(); }

 private:
  std::vector<LineRow> rows_;
  std::size_t version_ = 0;
};

}  // namespace korva
