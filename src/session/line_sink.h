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
  std::string& StartLine() override {
    // A line grown by appending may leave half its room unused; a list such
    // as the body is held long, and would cost twice its text.
    if (!list_.empty()) list_.back().shrink_to_fit();
    return list_.emplace_back();
  }

 private:
  StringList& list_;
};

}  // namespace korva
