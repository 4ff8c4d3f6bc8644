// Joins the lines of a file and applies a line-local substitution quickly.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "session/document.h"
#include "session/files.h"

namespace korva {

// True when byte `i` of CP932 text starts a character. Walks back only over
// the run of possible lead bytes before it: the byte before that run always
// ends a character, and the run pairs up from there.
bool IsCharBoundary(std::string_view s, std::size_t i);

using LineSubstitution = std::function<std::string(std::string_view)>;

// Hands `write` the lines joined with CR LF (and a final CR LF) in pieces of
// about kSavePieceSize, with `substitute` applied to every line that holds a
// "@", "￣" or "＼" character; other lines are copied as they are. The same
// as substituting the whole text when no match can span a line break, as
// holds for the placeholder substitutions.
void WriteLinesSubstituted(const StringList& lines, const LineSubstitution& substitute,
                           const PieceWriter& write);

}  // namespace korva
