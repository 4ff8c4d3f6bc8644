#include "text/string_helpers.h"

#include <bitset>

#include "text/literal.h"
#include "text/sjis.h"

namespace korva {
using namespace literals;

namespace {

constexpr std::string_view kFwSpace = "\x81\x40";  // "　"

bool IsControlOrSpace(char c) {
  return static_cast<unsigned char>(c) <= 0x20;
}

// Length of the blank (control, space or full-width space) starting at pos, 0 if none.
std::size_t BlankAt(std::string_view s, std::size_t pos) {
  if (IsControlOrSpace(s[pos])) return 1;
  if (s.substr(pos, 2) == kFwSpace) return 2;
  return 0;
}

// End of the text left after cutting trailing characters for which `isBlank`
// (given the character) holds; steps whole characters so a trail byte 0x40
// is never taken for a space.
template <typename IsBlank>
std::size_t EndWithoutTrailing(std::string_view s, IsBlank isBlank) {
  std::size_t end = 0;
  for (std::size_t pos = 0; pos < s.size();) {
    std::size_t len = sjis::CharLength(s, pos);
    if (!isBlank(s.substr(pos, len))) end = pos + len;
    pos += len;
  }
  return end;
}

bool IsZenkakuBlank(std::string_view ch) {
  return ch == kFwSpace || (ch.size() == 1 && IsControlOrSpace(ch[0]));
}

}  // namespace

std::string_view ZenkakuTrimLeftView(std::string_view s) {
  std::size_t pos = 0;
  while (pos < s.size()) {
    std::size_t len = BlankAt(s, pos);
    if (len == 0) break;
    pos += len;
  }
  return s.substr(pos);
}

std::string_view ZenkakuTrimRightView(std::string_view s) {
  // Only a control character, a space or the trail byte of "　" can end a
  // blank run; most texts end otherwise and need no walk.
  if (s.empty()) return s;
  const auto last = static_cast<unsigned char>(s.back());
  if (last > 0x20 && last != 0x40) return s;
  return s.substr(0, EndWithoutTrailing(s, IsZenkakuBlank));
}

std::string ZenkakuTrimLeft(std::string_view s) {
  return std::string(ZenkakuTrimLeftView(s));
}

std::string ZenkakuTrimRight(std::string_view s) {
  return std::string(ZenkakuTrimRightView(s));
}

std::string ZenkakuTrim(std::string_view s) {
  return std::string(ZenkakuTrimRightView(ZenkakuTrimLeftView(s)));
}

std::string TrimControlAndSpaces(std::string_view s) {
  std::size_t begin = 0;
  while (begin < s.size() && IsControlOrSpace(s[begin])) ++begin;
  // Bytes up to 0x20 are never trail bytes, so the end can be cut bytewise.
  std::size_t end = s.size();
  while (end > begin && IsControlOrSpace(s[end - 1])) --end;
  return std::string(s.substr(begin, end - begin));
}

std::string DeleteAllSpaces(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  // Copies the runs between spaces whole; only the lead byte decides the step.
  std::size_t run = 0, pos = 0;
  while (pos < s.size()) {
    const std::size_t len = sjis::CharLength(s, pos);
    if (s[pos] == ' ' || (len == 2 && s[pos] == kFwSpace[0] && s[pos + 1] == kFwSpace[1])) {
      out.append(s.data() + run, pos - run);
      run = pos + len;
    }
    pos += len;
  }
  out.append(s.data() + run, s.size() - run);
  return out;
}

std::string_view TrimAllSpacesView(std::string_view s) {
  std::size_t begin = 0, end = s.size();
  while (begin < end && IsControlOrSpace(s[begin])) ++begin;
  // Bytes up to 0x20 are never trail bytes, so the end can be cut bytewise.
  while (end > begin && IsControlOrSpace(s[end - 1])) --end;
  while (begin < end) {
    if (s[begin] == ' ') {
      ++begin;
    } else if (end - begin >= 2 && s.substr(begin, 2) == kFwSpace) {
      begin += 2;
    } else {
      break;
    }
  }
  // A space at the end counts only where a character starts: in
  // "\x81\x81\x40" the 0x40 is no "　" but the end of "\x81\x81" and "@".
  const auto startsCharacter = [&](std::size_t p) {
    std::size_t known = begin;
    return sjis::StartsCharacter(s, known, p);
  };
  while (end > begin) {
    if (s[end - 1] == ' ' && startsCharacter(end - 1)) {
      --end;
    } else if (end - begin >= 2 && s.substr(end - 2, 2) == kFwSpace && startsCharacter(end - 2)) {
      end -= 2;
    } else {
      break;
    }
  }
  return s.substr(begin, end - begin);
}

std::string TrimAllSpaces(std::string_view s) {
  return std::string(TrimAllSpacesView(s));
}

bool IsSeparatorLine(std::string_view s) {
  // Removing every occurrence of each symbol in turn removes whole characters
  // only, each one a symbol: nothing remains exactly when every character of
  // the line is one of them, which one walk tells.
  static const std::bitset<256 * 256> kSeparators = [] {
    std::bitset<256 * 256> symbols;
    for (const std::string* symbol :
         {&"　"_sj, &"―"_sj, &"─"_sj, &"－"_sj, &"━"_sj, &"～"_sj, &"＝"_sj, &"☆"_sj, &"◇"_sj,
          &"○"_sj, &"〇"_sj, &"□"_sj, &"〓"_sj}) {
      symbols.set(static_cast<unsigned char>((*symbol)[0]) * 256u +
                  static_cast<unsigned char>((*symbol)[1]));
    }
    return symbols;
  }();
  for (std::size_t pos = 0; pos < s.size();) {
    if (sjis::CharLength(s, pos) == 1) {
      if (s[pos] != ' ' && s[pos] != '-') return false;
      ++pos;
    } else {
      if (!kSeparators.test(static_cast<unsigned char>(s[pos]) * 256u +
                            static_cast<unsigned char>(s[pos + 1]))) {
        return false;
      }
      pos += 2;
    }
  }
  return true;
}

std::string LeadingZenkakuSpaces(std::string_view s) {
  std::size_t count = 0;
  while (count < 20 && s.substr(count * 2, 2) == kFwSpace) ++count;
  return std::string(s.substr(0, count * 2));
}

void AppendWithoutSpeakerMarks(std::string& out, std::string_view s) {
  // Every mark is one two-byte character, so dropping whole characters in one
  // walk removes the same ones as removing each mark in turn.
  static const std::bitset<256 * 256> kMarks = [] {
    std::bitset<256 * 256> marks;
    for (const std::string* mark : {&"〇"_sj, &"○"_sj, &"●"_sj, &"■"_sj, &"□"_sj, &"◆"_sj, &"◇"_sj,
                                    &"◎"_sj, &"＠"_sj, &"▲"_sj, &"▼"_sj, &"△"_sj, &"▽"_sj, &"★"_sj,
                                    &"☆"_sj, &"￥"_sj, &"◯"_sj, &"∇"_sj, &"※"_sj}) {
      marks.set(static_cast<unsigned char>((*mark)[0]) * 256u +
                static_cast<unsigned char>((*mark)[1]));
    }
    return marks;
  }();
  std::size_t run = 0, pos = 0;
  while (pos < s.size()) {
    const std::size_t len = sjis::CharLength(s, pos);
    if (len == 2 && kMarks.test(static_cast<unsigned char>(s[pos]) * 256u +
                                static_cast<unsigned char>(s[pos + 1]))) {
      out.append(s.data() + run, pos - run);
      run = pos + len;
    }
    pos += len;
  }
  out.append(s.data() + run, s.size() - run);
}

std::string RemoveSpeakerMarks(std::string_view s, int alsoSpaces) {
  std::string rest;
  rest.reserve(s.size());
  AppendWithoutSpeakerMarks(rest, s);
  return alsoSpaces == 1 ? DeleteAllSpaces(rest) : rest;
}

namespace {
std::string PadWith(long long n, std::size_t width, std::string_view pad) {
  std::string digits = std::to_string(n);
  std::string out;
  for (std::size_t len = digits.size(); len < width; ++len) out += pad;
  return out + digits;
}
}  // namespace

std::string PadNumber(long long n, std::size_t width) {
  return PadWith(n, width, " ");
}
std::string ZeroPadNumber(long long n, std::size_t width) {
  return PadWith(n, width, "0");
}
std::string NbspPadNumber(long long n, std::size_t width) {
  return PadWith(n, width, "&nbsp;");
}

std::size_t SearchFrom(std::string_view sub, std::string_view s, std::size_t from) {
  if (sub.empty()) return 0;
  std::size_t start = 0;
  while (start < from && start < s.size()) start += sjis::CharLength(s, start);
  std::size_t pos = sjis::Find(s, sub, start);
  return pos == sjis::npos ? 0 : pos + 1;
}

}  // namespace korva
