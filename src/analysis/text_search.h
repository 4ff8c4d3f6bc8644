// A faster boundary-aware search for the analysis hot path: a plain byte
// search skips ahead, and only a candidate is checked for lying on a
// character boundary. Same results as sjis::Find; linear in the text.
#pragma once

#include <cstddef>
#include <string_view>

#include "text/sjis.h"

namespace korva::analysis {

// 1-based byte position of the first `sub` that starts a character, 0 when none.
inline std::size_t FastPos(std::string_view sub, std::string_view s) {
  if (sub.empty()) return 0;
  std::size_t boundary = 0;
  for (std::size_t from = 0;;) {
    const std::size_t candidate = s.find(sub, from);
    if (candidate == std::string_view::npos) return 0;
    if (sjis::StartsCharacter(s, boundary, candidate)) return candidate + 1;
    from = candidate + 1;
  }
}

inline bool FastContains(std::string_view s, std::string_view sub) {
  return FastPos(sub, s) != 0;
}

}  // namespace korva::analysis
