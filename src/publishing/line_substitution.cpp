#include "publishing/line_substitution.h"

#include <cstring>

#include "text/sjis.h"

namespace korva {

namespace {

// True when the line holds a "@", "￣" (0x81 0x50) or "＼" (0x81 0x5F)
// character: byte searches, each hit confirmed at a character boundary,
// since "@" is also the trail byte of "　".
bool MayNeedSubstitution(std::string_view line) {
  const char* data = line.data();
  const std::size_t size = line.size();
  for (const void* hit = std::memchr(data, '@', size); hit != nullptr;) {
    const std::size_t at = static_cast<const char*>(hit) - data;
    if (IsCharBoundary(line, at)) return true;
    hit = std::memchr(data + at + 1, '@', size - at - 1);
  }
  for (const void* hit = std::memchr(data, '\x81', size); hit != nullptr;) {
    const std::size_t at = static_cast<const char*>(hit) - data;
    if (at + 1 < size && (data[at + 1] == '\x50' || data[at + 1] == '\x5F') &&
        IsCharBoundary(line, at)) {
      return true;
    }
    hit = at + 1 < size ? std::memchr(data + at + 1, '\x81', size - at - 1) : nullptr;
  }
  return false;
}

}  // namespace

bool IsCharBoundary(std::string_view s, std::size_t i) {
  std::size_t run = 0;
  while (run < i && sjis::IsLeadByte(static_cast<unsigned char>(s[i - run - 1]))) ++run;
  return run % 2 == 0;
}

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
