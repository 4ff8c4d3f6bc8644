// Where the lines of a file go as they are made: into a list, or straight
// into the file being written, so that a large file need not be held whole.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "session/document.h"

namespace korva {

class LineSink {
 public:
  virtual ~LineSink() = default;

  // Starts the next line. The caller appends the line's text to the string
  // returned, which may already hold earlier text; the line ends at the next
  // call (or when the sink is finished).
  virtual std::string& StartLine() = 0;
  // The same for a line the caller knows needs no placeholder substitution
  // (it holds no "@", "￣" or "＼" character), so a sink that substitutes
  // need not look.
  virtual std::string& StartPlainLine() { return StartLine(); }

  void Add(std::string_view line) { StartLine().append(line); }
  void AddAll(const StringList& lines) {
    for (const std::string& line : lines) Add(line);
  }
};

// Gives the lines of one file to a sink.
using LineProducer = std::function<void(LineSink&)>;

// Appends the lines to a list.
class ListAppend final : public LineSink {
 public:
  explicit ListAppend(StringList& list) : list_(list) {}
  std::string& StartLine() override { return list_.emplace_back(); }

 private:
  StringList& list_;
};

// Refills a list in place: the n-th line written overwrites the old n-th
// line, so a list filled again with lines of similar sizes (each publishing
// run refills the normal file's list) reuses their storage instead of freeing
// and allocating every line.
class ListRefill final : public LineSink {
 public:
  explicit ListRefill(StringList& list) : list_(list) {}
  ListRefill(const ListRefill&) = delete;
  ListRefill& operator=(const ListRefill&) = delete;
  // Drops the old lines past the last one written.
  ~ListRefill() override { list_.resize(written_); }

  std::string& StartLine() override {
    if (written_ == list_.size()) list_.emplace_back();
    std::string& line = list_[written_++];
    line.clear();
    return line;
  }

 private:
  StringList& list_;
  std::size_t written_ = 0;
};

}  // namespace korva
