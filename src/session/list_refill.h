// Refilling a list in place: the n-th line written overwrites the old n-th
// line, so a list filled again with lines of similar sizes (each publishing
// run refills the same file lists) reuses their storage instead of freeing
// and allocating every line.
#pragma once

#include <string>
#include <string_view>

#include "session/document.h"

namespace korva {

class ListRefill {
 public:
  explicit ListRefill(StringList& list) : list_(list) {}
  ListRefill(const ListRefill&) = delete;
  ListRefill& operator=(const ListRefill&) = delete;
  // Drops the old lines past the last one written.
  ~ListRefill() { list_.resize(written_); }

  // The next line, emptied, keeping the storage it had.
  std::string& Next() {
    if (written_ == list_.size()) list_.emplace_back();
    std::string& line = list_[written_++];
    line.clear();
    return line;
  }
  void Add(std::string_view line) { Next().assign(line); }
  void AddAll(const StringList& lines) {
    for (const std::string& line : lines) Add(line);
  }

 private:
  StringList& list_;
  std::size_t written_ = 0;
};

}  // namespace korva
