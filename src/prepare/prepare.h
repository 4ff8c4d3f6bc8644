// Preparing minutes exported by a minutes system (下準備): proposes the
// program's own marks and line joins that the classification rules need, as
// a list of changes a clerk can take or leave one by one. A change only
// inserts mark lines and marks, joins or moves line breaks, adds a leading
// full-width space, or removes a system page marker; it never changes a word.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/settings.h"

namespace korva {

// Lines `line` .. `line` + `count` - 1 (1-based, of the lines given to
// PrepareMinutes) give way to `lines`; with `count` 0, `lines` go in before
// line `line` (one past the last line appends).
struct PrepareEdit {
  std::size_t line = 0;
  std::size_t count = 0;
  std::vector<std::string> lines;
};

// One proposed change as the clerk sees it: the first line it touches, the
// text before and after (lines joined with CR LF; CP932) and why (short
// Japanese, CP932). No two changes touch the same line, and none needs
// another, so any selection of them can be applied.
struct PrepareChange {
  std::size_t line = 0;
  std::string before;
  std::string after;
  std::string reason;
  std::vector<PrepareEdit> edits;
};

// A line the report names; line 0 speaks of the whole text. Text is CP932.
struct PrepareNote {
  std::size_t line = 0;
  std::string text;
};

struct PrepareReport {
  std::vector<PrepareNote> pageMarkers;    // the page markers the changes remove
  std::vector<PrepareNote> unknownTitles;  // designations whose title no table knows
  std::vector<PrepareNote> leftAsItWas;    // what was seen and left, with the reason
  // The speaker marks the designations use, with how many lines use each.
  std::vector<std::pair<std::string, std::size_t>> speakerMarks;
};

struct PrepareResult {
  std::vector<PrepareChange> changes;  // in line order
  PrepareReport report;
};

// Proposes the changes for `lines` (CP932, without line ends), reading titles
// with the meeting category and extra titles of `settings`.
PrepareResult PrepareMinutes(const std::vector<std::string>& lines, const Settings& settings);

// `lines` with the changes applied whose `chosen` entry is true (`chosen`
// runs parallel to `changes`). Throws std::invalid_argument when the changes
// do not fit the lines (they were made for another text).
std::vector<std::string> ApplyPrepareChanges(const std::vector<std::string>& lines,
                                             const std::vector<PrepareChange>& changes,
                                             const std::vector<bool>& chosen);

// The full preparation: every change applied.
std::vector<std::string> ApplyPrepareChanges(const std::vector<std::string>& lines,
                                             const std::vector<PrepareChange>& changes);

// The whole `text` (CP932) with the chosen changes applied, made for the
// lines sjis::SplitLines gives of it. Every line ends with the line break the
// text uses first (CR LF when it has none), the last one only if the text
// ended with one, so a file keeps the line ends it came with.
std::string ApplyPrepareChangesToText(std::string_view text,
                                      const std::vector<PrepareChange>& changes,
                                      const std::vector<bool>& chosen);

}  // namespace korva
