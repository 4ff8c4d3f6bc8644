// The line classifier: gives every minutes line its kind, splits speaker
// lines into designation and speech, and counts the block marks.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/line_table.h"
#include "session/document.h"

namespace korva {

// Classifies the prepared lines (line r of the text is preparedLines[r - 1])
// into rows 1..N of `target`, incrementing `counts` for every block mark.
// Returns -1 and leaves `target` untouched when there are no lines, else 0.
int MoveGrid2Roster(const std::vector<std::string>& preparedLines, LineTable& target,
                    BlockMarkCounts& counts);

// A text line as the classifier sees it: trailing blanks removed, and one
// single leading space dropped (two leading spaces stay).
std::string PrepareMinutesLine(std::string_view line);

// ZenkakuTrimRight with a fast path for lines that end in a visible character.
std::string TrimRightBlanks(std::string_view line);

// MoveGrid2Roster over the lines as loaded, preparing each one on the way.
// `rowDone(r, row)` runs as soon as row r is classified; the classifier only
// touches an earlier row's BlockPos afterwards.
int ClassifyMinutesLines(const std::vector<std::string>& lines, LineTable& target,
                         BlockMarkCounts& counts,
                         const std::function<void(std::size_t, LineRow&)>& rowDone = {});

}  // namespace korva
