// The line classification and the speaker categories written plainly from
// the rules, rule by rule, with the general string helpers: slow, and the
// oracle that the fast analysis is compared with.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/line_table.h"
#include "session/document.h"

namespace korva::testing {

// Classifies prepared lines into rows 1..N of `target`.
void ReferenceClassify(const std::vector<std::string>& preparedLines, LineTable& target,
                       BlockMarkCounts& counts);

// The category of a speaker designation: the marks, then the first record of
// the meeting category's title table that occurs anywhere in it.
std::string ReferenceCodeByCategory(std::string_view designation, const std::string& fallback,
                                    int category);

// The whole analysis of a loaded text: the lines prepared as loading does,
// classified, then the lone designations, categories, labels, numbers and
// lists, each step over the whole table in turn.
Document ReferenceAnalyse(const std::vector<std::string>& lines, int category);

}  // namespace korva::testing
