// Find and replace on CP932 text against a walk that steps one whole
// character at a time and compares there: the byte searches and their
// boundary checks must find exactly the same places.
#include <string>
#include <vector>

#include "analysis/text_search.h"
#include "fuzz_entries.h"
#include "text/sjis.h"
#include "text/string_helpers.h"

namespace korva::fuzz {
namespace {

using sjis::Case;
using sjis::npos;

std::vector<std::size_t> Starts(std::string_view s) {
  std::vector<std::size_t> starts;
  for (std::size_t p = 0; p < s.size(); p += sjis::CharLength(s, p)) starts.push_back(p);
  return starts;
}

// Character by character from `p`: a double-byte character of `s` must
// match exactly, a single byte only folds ASCII letters when asked to.
bool MatchesHere(std::string_view s, std::size_t p, std::string_view sub, Case mode) {
  std::size_t i = 0;
  while (i < sub.size()) {
    if (p + i >= s.size()) return false;
    const std::size_t len = sjis::CharLength(s, p + i);
    if (len == 2) {
      if (i + 1 >= sub.size() || s.substr(p + i, 2) != sub.substr(i, 2)) return false;
    } else if (mode == Case::IgnoreAscii ? sjis::AsciiLower(s[p + i]) != sjis::AsciiLower(sub[i])
                                         : s[p + i] != sub[i]) {
      return false;
    }
    i += len;
  }
  return true;
}

std::vector<std::size_t> AllMatches(std::string_view s, std::string_view sub, Case mode) {
  std::vector<std::size_t> found;
  for (const std::size_t p : Starts(s)) {
    if (MatchesHere(s, p, sub, mode)) found.push_back(p);
  }
  return found;
}

std::size_t FirstFrom(const std::vector<std::size_t>& matches, std::size_t from) {
  for (const std::size_t p : matches) {
    if (p >= from) return p;
  }
  return npos;
}

std::string ReplacedAll(std::string_view s, std::string_view sub, std::string_view to, Case mode,
                        bool firstOnly) {
  std::string out;
  bool replaced = false;
  for (std::size_t p = 0; p < s.size();) {
    if (!(firstOnly && replaced) && MatchesHere(s, p, sub, mode)) {
      out.append(to);
      p += sub.size();
      replaced = true;
    } else {
      const std::size_t len = sjis::CharLength(s, p);
      out.append(s.substr(p, len));
      p += len;
    }
  }
  return out;
}

std::string Where(const char* what, std::string_view s, std::string_view sub, Case mode) {
  return std::string(what) + " (" + std::to_string(s.size()) + "-byte text, " +
         std::to_string(sub.size()) + "-byte needle, " +
         (mode == Case::Sensitive ? "case-sensitive" : "ignoring case") + ")";
}

}  // namespace

// Input: options (bit 0: ignore case, bit 1: replace by nothing), the needle's
// length, the needle, a byte that picks the start, then the text.
std::string SjisSearch(std::string_view input) {
  const unsigned char options = TakeOptions(input);
  const std::size_t needleLength = TakeOptions(input) % 16;
  if (input.size() < needleLength + 1) return {};
  const std::string_view sub = input.substr(0, needleLength);
  const unsigned char startPick = static_cast<unsigned char>(input[needleLength]);
  const std::string_view s = input.substr(needleLength + 1);
  // Needles are whole characters, as a search word typed or pasted is.
  const auto subStarts = Starts(sub);
  if (!sub.empty() && sjis::CharLength(sub, subStarts.back()) == 1 &&
      sjis::IsLeadByte(static_cast<unsigned char>(sub.back()))) {
    return {};
  }
  const Case mode = options & 1 ? Case::IgnoreAscii : Case::Sensitive;
  const std::string to = options & 2 ? "" : "[\x95\x5C]";  // "[表]": a trail byte that is "\"

  const auto starts = Starts(s);
  if (sjis::CharStarts(s) != starts || sjis::CharCount(s) != starts.size()) {
    return Where("CharStarts or CharCount", s, sub, mode);
  }
  if (sub.empty()) return {};
  const auto matches = AllMatches(s, sub, mode);
  const std::size_t from = startPick % (starts.size() + 1) < starts.size()
                               ? starts[startPick % (starts.size() + 1)]
                               : s.size();
  if (sjis::Find(s, sub, from, mode) != FirstFrom(matches, from)) {
    return Where("Find", s, sub, mode);
  }
  if (sjis::RFind(s, sub, mode) != (matches.empty() ? npos : matches.back())) {
    return Where("RFind", s, sub, mode);
  }
  if (sjis::ReplaceAll(s, sub, to, mode) != ReplacedAll(s, sub, to, mode, false)) {
    return Where("ReplaceAll", s, sub, mode);
  }
  if (sjis::ReplaceFirst(s, sub, to, mode) != ReplacedAll(s, sub, to, mode, true)) {
    return Where("ReplaceFirst", s, sub, mode);
  }
  const bool endsWith =
      sub.size() <= s.size() && s.substr(s.size() - sub.size()) == sub &&
      (sub.size() == s.size() || FirstFrom(starts, s.size() - sub.size()) == s.size() - sub.size());
  if (sjis::EndsWith(s, sub) != endsWith) return Where("EndsWith", s, sub, mode);
  if (mode == Case::Sensitive) {
    const std::size_t first = FirstFrom(matches, from);
    const std::size_t onePast = first == npos ? 0 : first + 1;
    if (SearchFrom(sub, s, from) != onePast) return Where("SearchFrom", s, sub, mode);
    const std::size_t anywhere = matches.empty() ? 0 : matches.front() + 1;
    if (analysis::FastPos(sub, s) != anywhere) return Where("FastPos", s, sub, mode);
  }
  return {};
}

}  // namespace korva::fuzz
