#include "html/blank_trim.h"

#include "text/sjis.h"

namespace korva {

namespace {
constexpr std::string_view kIdeographicSpace = "\x81\x40";
}  // namespace

std::string TrimBlankLeft(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    if (s[i] == ' ') {
      ++i;
    } else if (s.substr(i, 2) == kIdeographicSpace) {
      i += 2;
    } else {
      break;
    }
  }
  return std::string(s.substr(i));
}

std::string TrimBlank(std::string_view s) {
  std::string left = TrimBlankLeft(s);
  // Walk forward so that a trail byte 0x40 is never taken for half a space.
  std::size_t keep = 0, i = 0;
  while (i < left.size()) {
    if (left[i] == ' ') {
      ++i;
    } else if (std::string_view(left).substr(i, 2) == kIdeographicSpace) {
      i += 2;
    } else {
      i += sjis::CharLength(left, i);
      keep = i;
    }
  }
  left.resize(keep);
  return left;
}

std::string IdeographicSpaces(long long count) {
  std::string out;
  for (long long i = 0; i < count; ++i) out += kIdeographicSpace;
  return out;
}

}  // namespace korva
