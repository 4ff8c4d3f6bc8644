#include "publishing/line_substitution.h"

#include <cstring>

#include "text/sjis.h"

namespace korva {

namespace {

// True when the line holds a "@", "￣" or "＼" character. A byte search
// first, since most lines hold none of those bytes; then a walk over whole
// characters, since "@" is also the trail byte of "　".
bool MayNeedSubstitution(std::string_view line) {
  if (std::memchr(line.data(), '@', line.size()) == nullptr &&
      std::memchr(line.data(), '\x81', line.size()) == nullptr) {
    return false;
  }
  for (std::size_t pos = 0; pos < line.size(); pos += sjis::CharLength(line, pos)) {
    const char c = line[pos];
    if (c == '@') return true;
    if (c == '\x81' && pos + 1 < line.size() &&
        (line[pos + 1] == '\x50' || line[pos + 1] == '\x5F')) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::string JoinLinesSubstituted(const StringList& lines,
                                 const std::function<std::string(std::string_view)>& substitute) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string out;
  out.reserve(size + size / 16);
  for (const std::string& line : lines) {
    if (MayNeedSubstitution(line)) {
      out += substitute(line);
    } else {
      out += line;
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace korva
