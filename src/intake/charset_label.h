// Rewrites the character-set labels of an HTML text; mode 2 is what saving
// a generated document as UTF-8 uses.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace korva {

// Modes: 0 to Shift_JIS, 1 to EUC-JP, 2 to UTF-8, 3 bare labels to
// Shift_JIS, 4 to ISO-2022-JP, 5 to UTF-8 (bare); any other mode leaves the
// text unchanged. "First" replacements are case-sensitive, "all" ones ignore
// ASCII case.
std::string ReplaceCharsetLabel(std::string_view text, int mode);

// Mode 2 for a text given piece by piece, in order, in pieces that no label
// spans (whole lines): each of its replacements happens once, at the first
// place in the whole text, as on the text at once.
class Utf8LabelRewriter {
 public:
  void Rewrite(std::string& piece);

 private:
  std::array<bool, 7> done_{};
};

}  // namespace korva
