#include "html/blank_trim.h"

#include "text/sjis.h"

namespace korva {

namespace {
constexpr std::string_view kIdeographicSpace = "\x81\x40";
}  // namespace

std::string_view TrimBlankLeftView(std::string_view s) {
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
  return s.substr(i);
}

std::string_view TrimBlankView(std::string_view s) {
  s = TrimBlankLeftView(s);
  // A space at the end counts where a character starts: a trail byte 0x40
  // is never taken for half an ideographic space, nor a space after a lead
  // byte for a space of its own.
  const auto startsCharacter = [s](std::size_t p) {
    std::size_t known = 0;
    return sjis::StartsCharacter(s, known, p);
  };
  std::size_t end = s.size();
  while (end > 0) {
    if (s[end - 1] == ' ' && startsCharacter(end - 1)) {
      --end;
    } else if (end >= 2 && s.substr(end - 2, 2) == kIdeographicSpace && startsCharacter(end - 2)) {
      end -= 2;
    } else {
      break;
    }
  }
  return s.substr(0, end);
}

std::string TrimBlankLeft(std::string_view s) {
  return std::string(TrimBlankLeftView(s));
}

std::string TrimBlank(std::string_view s) {
  return std::string(TrimBlankView(s));
}

std::string IdeographicSpaces(long long count) {
  std::string out;
  for (long long i = 0; i < count; ++i) out += kIdeographicSpace;
  return out;
}

}  // namespace korva
