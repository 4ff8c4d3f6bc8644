// Lead-byte-aware operations on CP932 text. CP932 trail bytes overlap ASCII
// ("　" is 0x81 0x40, "表" is 0x95 0x5C), so every search steps whole
// characters and only matches at character boundaries.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace korva::sjis {

constexpr std::size_t npos = std::string_view::npos;

enum class Case { Sensitive, IgnoreAscii };

constexpr bool IsLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Lower case for ASCII letters only; every other byte is left as it is.
constexpr char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Byte length of the character at `pos`: 2 for a lead byte followed by a
// byte, else 1 (a lone lead byte at the end counts as one character).
inline std::size_t CharLength(std::string_view s, std::size_t pos) {
  return IsLeadByte(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size() ? 2 : 1;
}

// Whether byte `p` starts a character, given that `known` <= p starts one.
// A byte that cannot lead a character always ends one, so the possible lead
// bytes just before `p` pair up from there. Only a long run of them falls
// back to walking forward from `known`, which then moves up to `p`: calls
// with rising positions and one `known` cost no more than one pass.
bool StartsCharacter(std::string_view s, std::size_t& known, std::size_t p);

// 0-based byte index of the first occurrence of `sub` that starts at a
// character boundary at or after byte `from`, or npos. `from` must itself be a
// boundary. An empty `sub` is found at `from` (when from <= size).
std::size_t Find(std::string_view s, std::string_view sub, std::size_t from = 0,
                 Case mode = Case::Sensitive);

// Last such occurrence, or npos.
std::size_t RFind(std::string_view s, std::string_view sub, Case mode = Case::Sensitive);

inline bool Contains(std::string_view s, std::string_view sub, Case mode = Case::Sensitive) {
  return Find(s, sub, 0, mode) != npos;
}

// Position 0 is always a boundary, so a plain prefix test is exact.
inline bool StartsWith(std::string_view s, std::string_view prefix) {
  // Prefixes are a character or two: compared in place, not by a call to memcmp.
  if (s.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (s[i] != prefix[i]) return false;
  }
  return true;
}

// True only when the suffix begins on a character boundary: "表" does not end with "\".
bool EndsWith(std::string_view s, std::string_view suffix);

std::string ReplaceFirst(std::string_view s, std::string_view from, std::string_view to,
                         Case mode = Case::Sensitive);
std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to,
                       Case mode = Case::Sensitive);

// Calls `take(begin, end)` with the byte range of every line: lines end at
// CR LF, LF or CR, a final line break does not start another line, and an
// empty text has no lines. CR and LF are below 0x40, so they never occur as
// trail bytes: byte searches find every line end.
template <typename Take>
void ForEachLine(std::string_view text, Take take) {
  std::size_t cr = text.find('\r'), lf = text.find('\n');
  for (std::size_t start = 0; start < text.size();) {
    if (cr < start) cr = text.find('\r', start);
    if (lf < start) lf = text.find('\n', start);
    const std::size_t end = cr < lf ? cr : lf;
    if (end == npos) {
      take(start, text.size());
      return;
    }
    take(start, end);
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
}

// The lines of ForEachLine as strings.
std::vector<std::string> SplitLines(std::string_view text);

// Joins lines with CR LF between them, and after the last one when `finalBreak`.
std::string JoinLines(const std::vector<std::string>& lines, bool finalBreak = true);

// Byte offsets where each character starts (size = number of characters).
std::vector<std::size_t> CharStarts(std::string_view s);

inline std::size_t ByteLength(std::string_view s) {
  return s.size();
}

// The first / last whole character, empty for an empty string.
std::string_view FirstChar(std::string_view s);
std::string_view LastChar(std::string_view s);

// Number of characters (a double-byte character counts once).
std::size_t CharCount(std::string_view s);

}  // namespace korva::sjis
