#include "text/sjis.h"

#include <algorithm>
#include <cstring>

namespace korva::sjis {
namespace {

// Compares `sub` with `s` at `pos`. Case folding applies only to ASCII letters
// that stand as single-byte characters in `s`; the trail byte of a double-byte
// character is compared exactly.
bool MatchesAt(std::string_view s, std::size_t pos, std::string_view sub, Case mode) {
  if (pos + sub.size() > s.size()) return false;
  if (mode == Case::Sensitive) return s.compare(pos, sub.size(), sub) == 0;
  std::size_t i = 0;
  while (i < sub.size()) {
    std::size_t len = CharLength(s, pos + i);
    if (len == 2) {
      if (i + 1 >= sub.size() || s[pos + i] != sub[i] || s[pos + i + 1] != sub[i + 1]) return false;
    } else if (AsciiLower(s[pos + i]) != AsciiLower(sub[i])) {
      return false;
    }
    i += len;
  }
  return true;
}

}  // namespace

bool StartsCharacter(std::string_view s, std::size_t& known, std::size_t p) {
  constexpr std::size_t kLongRun = 32;
  std::size_t run = 0;
  while (p - run > known && run < kLongRun &&
         IsLeadByte(static_cast<unsigned char>(s[p - run - 1]))) {
    ++run;
  }
  if (run < kLongRun) return run % 2 == 0;
  while (known < p) known += CharLength(s, known);
  return known == p;
}

std::size_t Find(std::string_view s, std::string_view sub, std::size_t from, Case mode) {
  if (from > s.size()) return npos;
  if (sub.empty()) return from;
  // Candidates come from a byte search; a candidate counts only where a
  // character starts.
  std::size_t boundary = from;
  const std::size_t last = sub.size() - 1;
  const char lastByte = sub[last];
  const char lowerLast = AsciiLower(lastByte);
  if (mode == Case::Sensitive || lowerLast < 'a' || lowerLast > 'z') {
    // The search is for the needle's last byte: that of a double-byte
    // character is its trail byte, which varies far more than the few lead
    // bytes most Japanese text is made of.
    for (std::size_t q = from + last; q < s.size(); ++q) {
      const void* hit = std::memchr(s.data() + q, lastByte, s.size() - q);
      if (!hit) return npos;
      q = static_cast<std::size_t>(static_cast<const char*>(hit) - s.data());
      const std::size_t p = q - last;
      if (StartsCharacter(s, boundary, p) && MatchesAt(s, p, sub, mode)) return p;
    }
    return npos;
  }
  // A needle ending in a letter, without case: its first byte, folded, is
  // looked for instead.
  const char lowerFirst = AsciiLower(sub[0]);
  for (std::size_t p = from; p + sub.size() <= s.size(); ++p) {
    if (lowerFirst >= 'a' && lowerFirst <= 'z') {
      while (p + sub.size() <= s.size() && AsciiLower(s[p]) != lowerFirst) ++p;
      if (p + sub.size() > s.size()) return npos;
    } else {
      const void* hit = std::memchr(s.data() + p, sub[0], s.size() - sub.size() + 1 - p);
      if (!hit) return npos;
      p = static_cast<std::size_t>(static_cast<const char*>(hit) - s.data());
    }
    if (StartsCharacter(s, boundary, p) && MatchesAt(s, p, sub, mode)) return p;
  }
  return npos;
}

std::size_t RFind(std::string_view s, std::string_view sub, Case mode) {
  std::size_t found = npos;
  for (std::size_t pos = Find(s, sub, 0, mode); pos != npos;
       pos = Find(s, sub, pos + CharLength(s, pos), mode)) {
    found = pos;
    if (pos >= s.size()) break;
  }
  return found;
}

bool EndsWith(std::string_view s, std::string_view suffix) {
  if (suffix.size() > s.size()) return false;
  const std::size_t start = s.size() - suffix.size();
  if (s.compare(start, suffix.size(), suffix) != 0) return false;
  std::size_t pos = 0;
  while (pos < start) pos += CharLength(s, pos);
  return pos == start;
}

std::string ReplaceFirst(std::string_view s, std::string_view from, std::string_view to,
                         Case mode) {
  std::size_t pos = from.empty() ? npos : Find(s, from, 0, mode);
  if (pos == npos) return std::string(s);
  std::string out;
  out.reserve(s.size() + to.size());
  out.append(s.substr(0, pos)).append(to).append(s.substr(pos + from.size()));
  return out;
}

std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to, Case mode) {
  if (from.empty()) return std::string(s);
  std::string out;
  out.reserve(s.size());
  std::size_t copied = 0;
  for (std::size_t pos = Find(s, from, 0, mode); pos != npos;
       pos = Find(s, from, pos + from.size(), mode)) {
    out.append(s.substr(copied, pos - copied)).append(to);
    copied = pos + from.size();
  }
  out.append(s.substr(copied));
  return out;
}

std::vector<std::string> SplitLines(std::string_view text) {
  // Counting first sizes the list once: no regrowth moves, no spare capacity.
  std::size_t count = 0;
  ForEachLine(text, [&](std::size_t, std::size_t) { ++count; });
  std::vector<std::string> lines;
  lines.reserve(count);
  ForEachLine(text, [&](std::size_t begin, std::size_t end) {
    lines.emplace_back(text.substr(begin, end - begin));
  });
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines, bool finalBreak) {
  std::size_t total = 0;
  for (const auto& l : lines) total += l.size() + 2;
  std::string out;
  out.reserve(total);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    out += lines[i];
    if (finalBreak || i + 1 < lines.size()) out += "\r\n";
  }
  return out;
}

std::vector<std::size_t> CharStarts(std::string_view s) {
  std::vector<std::size_t> starts;
  starts.reserve(s.size());
  for (std::size_t pos = 0; pos < s.size(); pos += CharLength(s, pos)) starts.push_back(pos);
  return starts;
}

std::string_view FirstChar(std::string_view s) {
  return s.empty() ? s : s.substr(0, CharLength(s, 0));
}

std::string_view LastChar(std::string_view s) {
  std::size_t last = 0;
  for (std::size_t pos = 0; pos < s.size(); pos += CharLength(s, pos)) last = pos;
  return s.substr(last);
}

std::size_t CharCount(std::string_view s) {
  std::size_t n = 0;
  for (std::size_t pos = 0; pos < s.size(); pos += CharLength(s, pos)) ++n;
  return n;
}

}  // namespace korva::sjis
