#include "analysis/classifier.h"

#include <array>
#include <bitset>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "analysis/text_search.h"
#include "text/literal.h"
#include "text/sjis.h"
#include "text/string_helpers.h"

namespace korva {
using namespace literals;

namespace {

constexpr std::string_view kFwSpace = "\x81\x40";

// "　" + text in a string of exactly that size: the table keeps one such text
// per speech line, and "　"_sj + text would double the capacity of most.
std::string AfterFwSpace(std::string_view text) {
  std::string out;
  out.reserve(2 + text.size());
  out.append(kFwSpace).append(text);
  return out;
}

bool IsControlOrSpace(char c) {
  return static_cast<unsigned char>(c) <= 0x20;
}

// R without leading and trailing control characters and spaces; bytes up to
// 0x20 are never trail bytes, so cutting bytewise is exact.
std::string_view TrimmedView(std::string_view r) {
  std::size_t begin = 0, end = r.size();
  while (begin < end && IsControlOrSpace(r[begin])) ++begin;
  while (end > begin && IsControlOrSpace(r[end - 1])) --end;
  return r.substr(begin, end - begin);
}

// The characters the rules look for in a line, by class. Every one of them is
// a two-byte character; a lead byte that leads none of them is passed over.
enum CharClass : std::uint8_t {
  kOther,
  kSpace,                      // "　"
  kMaru,                       // "。"
  kTouten,                     // "、"
  kEllipsis,                   // "…"
  kYen,                        // "＼"
  kSlash,                      // "／"
  kOpenParen,                  // "（"
  kCloseParen,                 // "）"
  kOpenShell,                  // "〔"
  kCloseShell,                 // "〕"
  kOpenSquare,                 // "［"
  kCloseSquare,                // "］"
  kOpenLens,                   // "【"
  kCloseLens,                  // "】"
  kClap,                       // "拍"
  kTitleEnd,                   // "長" and "員": a half-width space after them (or "）") splits
  kFirstMark,                  // the 14 speaker marks of the split rule, in their order
  kDownMark = kFirstMark + 9,  // "▼"
  kWhiteDownMark = kFirstMark + 11,  // "▽"
};

// What a byte at a character start tells.
enum ByteKind : std::uint8_t {
  kSingle,      // a character of one byte
  kLeadsOther,  // leads a double-byte character that no rule looks for
  kLeadsSome,   // leads one of the double-byte characters of the rules, or others
};

struct CharClasses {
  ByteKind byteKind[256];
  std::array<std::uint8_t, 256 * 256> of{};
  std::string clapSecond;  // "手"

  CharClasses() {
    for (int b = 0; b < 256; ++b) {
      byteKind[b] = sjis::IsLeadByte(static_cast<unsigned char>(b)) ? kLeadsOther : kSingle;
    }
    const auto set = [this](const std::string& ch, CharClass c) {
      const auto b0 = static_cast<unsigned char>(ch[0]);
      byteKind[b0] = kLeadsSome;
      of[b0 * 256u + static_cast<unsigned char>(ch[1])] = c;
    };
    set("　"_sj, kSpace);
    set("。"_sj, kMaru);
    set("、"_sj, kTouten);
    set("…"_sj, kEllipsis);
    set("＼"_sj, kYen);
    set("／"_sj, kSlash);
    set("（"_sj, kOpenParen);
    set("）"_sj, kCloseParen);
    set("〔"_sj, kOpenShell);
    set("〕"_sj, kCloseShell);
    set("［"_sj, kOpenSquare);
    set("］"_sj, kCloseSquare);
    set("【"_sj, kOpenLens);
    set("】"_sj, kCloseLens);
    set("拍"_sj, kClap);
    set("長"_sj, kTitleEnd);
    set("員"_sj, kTitleEnd);
    int i = 0;
    for (const char* mark :
         {"○", "●", "◆", "◇", "◎", "＠", "■", "□", "▲", "▼", "△", "▽", "★", "☆"}) {
      set(Sj(mark), static_cast<CharClass>(kFirstMark + i++));
    }
    clapSecond = "手"_sj;
  }

  CharClass At(std::string_view s, std::size_t pos) const {
    return static_cast<CharClass>(
        of[static_cast<unsigned char>(s[pos]) * 256u + static_cast<unsigned char>(s[pos + 1])]);
  }
};

const CharClasses& Classes() {
  static const CharClasses classes;
  return classes;
}

// What the rules ask of a line, from one walk over its characters. Positions
// are 1-based like the rules', 0 for none.
struct LineFacts {
  std::size_t firstSpace = 0, secondSpace = 0;  // "　"
  std::size_t firstTouten = 0;                  // "、"
  std::size_t clapping = 0;                     // "拍手"
  std::size_t parenSpace = 0;                   // "）　"
  std::size_t doubleSlash = 0;                  // "／／"
  std::size_t markSplit = 0;                    // where a mark followed by "　" splits the line
  bool has[kFirstMark] = {};                    // which classes occur
  bool titleSpace = false;                      // "長 ", "） " or "員 "
  CharClass lastClass = kOther;                 // of the last character
};

LineFacts Scan(std::string_view t) {
  const CharClasses& classes = Classes();
  LineFacts f;
  int splitMark = -1, markAtEnd = -1;
  CharClass previous = kOther;
  const auto* s = reinterpret_cast<const unsigned char*>(t.data());
  const std::size_t n = t.size();
  for (std::size_t pos = 0; pos < n;) {
    // Most characters are double-byte ones that no rule looks for.
    if (pos + 1 < n && classes.byteKind[s[pos]] == kLeadsOther) {
      do {
        pos += 2;
      } while (pos + 1 < n && classes.byteKind[s[pos]] == kLeadsOther);
      previous = kOther;
      continue;
    }
    if (classes.byteKind[s[pos]] == kSingle || pos + 1 >= n) {
      if (s[pos] == ' ' && (previous == kTitleEnd || previous == kCloseParen)) f.titleSpace = true;
      previous = kOther;
      ++pos;
      continue;
    }
    const CharClass c = classes.At(t, pos);
    previous = c;
    if (c != kOther) {
      const std::size_t here = pos + 1;
      const bool spaceNext = t.substr(pos + 2, 2) == kFwSpace;
      if (c < kFirstMark) f.has[c] = true;
      switch (c) {
        case kSpace:
          if (!f.firstSpace) {
            f.firstSpace = here;
          } else if (!f.secondSpace) {
            f.secondSpace = here;
          }
          break;
        case kTouten:
          if (!f.firstTouten) f.firstTouten = here;
          break;
        case kClap:
          if (!f.clapping && t.substr(pos + 2, 2) == classes.clapSecond) f.clapping = here;
          break;
        case kCloseParen:
          if (!f.parenSpace && spaceNext) f.parenSpace = here;
          break;
        case kSlash:
          if (!f.doubleSlash && pos + 3 < n && classes.At(t, pos + 2) == kSlash)
            f.doubleSlash = here;
          break;
        default:
          if (c >= kFirstMark) {
            // The last mark of the list that is followed by "　" splits, at
            // its first such place; a mark ending the line counts when none does.
            const int mark = c - kFirstMark;
            if (spaceNext && mark > splitMark) {
              splitMark = mark;
              f.markSplit = here + 2;
            } else if (pos + 2 == n) {
              markAtEnd = mark;
            }
          }
          break;
      }
    }
    pos += 2;
  }
  if (splitMark < 0 && markAtEnd >= 0) f.markSplit = n + 1;
  f.lastClass = previous;
  return f;
}

// The first character of C (the line without any spaces), and whether C
// holds "（" and "。", read from A without building C.
struct CompactFacts {
  bool empty = true;         // C is empty
  CharClass first = kOther;  // of the first character of C
  bool openParen = false, maru = false;
};

// Whether C is empty, and the class of its first character.
CompactFacts CompactStart(std::string_view a) {
  std::size_t pos = 0;
  while (pos < a.size() && (a[pos] == ' ' || a.substr(pos, 2) == kFwSpace)) {
    pos += a[pos] == ' ' ? 1 : 2;
  }
  CompactFacts f;
  f.empty = pos == a.size();
  if (!f.empty && sjis::CharLength(a, pos) == 2) f.first = Classes().At(a, pos);
  return f;
}

CompactFacts ScanCompact(std::string_view a) {
  CompactFacts f = CompactStart(a);
  const CharClasses& classes = Classes();
  for (std::size_t pos = 0; pos < a.size(); pos += sjis::CharLength(a, pos)) {
    if (sjis::CharLength(a, pos) != 2) continue;
    const CharClass c = classes.At(a, pos);
    f.openParen = f.openParen || c == kOpenParen;
    f.maru = f.maru || c == kMaru;
  }
  return f;
}

// The last character ends a sentence (or was marked to be kept apart).
bool EndsSentence(CharClass last) {
  return last == kMaru || last == kEllipsis || last == kTouten || last == kYen;
}

// Moves the previous row's block position to "last", or "only" when it was the first.
void CloseBlock(LineRow* previous) {
  if (previous) previous->BlockPos = previous->BlockPos == "1" ? "0" : "3";
}

bool StartsWith(std::string_view s, std::string_view prefix) {
  return sjis::StartsWith(s, prefix);
}

}  // namespace

void LineClassifier::Classify(std::string_view R, LineRow& row, LineRow* previous) {
  State& st = state_;
  BlockMarkCounts& counts = counts_;
  // T is the line without trailing blanks, U without blanks at either end, A
  // without control characters and spaces at either end; C would be A
  // without any spaces, and is only built for the rules that search it for words.
  std::string_view T = ZenkakuTrimRightView(R);
  const std::string_view A = TrimmedView(R);
  LineFacts facts = Scan(T);
  CompactFacts compact;
  if (facts.doubleSlash) {
    // The rest of the line is an editor's remark; A and C still hold it.
    compact = ScanCompact(A);
    T = ZenkakuTrimRightView(ZenkakuTrimLeftView(T.substr(0, facts.doubleSlash - 1)));
    facts = Scan(T);
  } else {
    // A holds the characters of T but blanks: the same "（" and "。".
    compact = CompactStart(A);
    compact.openParen = facts.has[kOpenParen];
    compact.maru = facts.has[kMaru];
  }
  const std::string_view U = ZenkakuTrimLeftView(T);
  std::string C;
  bool builtC = false;
  const auto cHas = [&](const std::string& word) {
    if (!builtC) C = DeleteAllSpaces(A), builtC = true;
    return analysis::FastContains(C, word);
  };

  auto set = [&row](std::string_view text, const char* kind, const char* blockPos = "") {
    row.Text.assign(text);
    row.LineKind = kind;
    row.BlockPos = blockPos;
  };
  auto heading = [&row](std::string_view designation) {
    row.Designation.assign(designation);
    row.LineKind = "4";
  };

  // Empty lines and the comment, drop, plain-comment and enumeration marks.
  if (compact.empty) return set("", "0");
  if (StartsWith(A, "＜＜"_sj)) {
    ++counts.CommentStartCount;
    st.InComment = true;
    return set(T, "96");
  }
  if (StartsWith(A, "＞＞"_sj)) {
    ++counts.CommentEndCount;
    st.InComment = false;
    return set(T, "97");
  }
  if (st.InComment) return set(T, "93");
  if (StartsWith(U, "＼"_sj)) return set(U, "-");
  if (StartsWith(U, "。。"_sj)) {
    st.InPlainText = true;
    return set(U, "99", "9");
  }
  if (StartsWith(U, "。"_sj)) return set(R, "0", "1");
  if (StartsWith(T, "▼"_sj) || StartsWith(T, "▽"_sj)) return heading(U);
  if (StartsWith(A, "「」"_sj)) return set(sjis::ReplaceFirst(T, "「」"_sj, ""), "73");
  if (StartsWith(A, "￥"_sj) || st.AfterClosing) return set(T, "8");

  // Trailing control characters and spaces go bytewise: a space that a lone
  // lead byte took as its second byte goes too.
  if (!T.empty() && IsControlOrSpace(T.back())) {
    while (!T.empty() && IsControlOrSpace(T.back())) T.remove_suffix(1);
    facts = Scan(T);
  }
  if (T.empty()) return set(T, "-");
  CharClass last = facts.lastClass;

  if (StartsWith(U, "－"_sj) && sjis::EndsWith(U, "－"_sj)) {
    return set(sjis::ReplaceAll(T, "-", ""), "0");
  }
  if (IsSeparatorLine(T)) return set(T, "-");

  // The proceedings: opened by the first "■" line, closed by the second or
  // by the adjournment line.
  if (StartsWith(A, "■"_sj) && !compact.maru) {
    if (!st.InProceedings) {
      st.InProceedings = true;
      return heading(U);
    }
    st.InProceedings = false;
    st.AfterClosing = true;
    return set(T, "1");
  }
  // The adjournment words all end in "会": without one, C need not be built.
  if (st.InProceedings && !facts.has[kMaru] && sjis::Contains(A, "会"_sj) && !cHas("宣告"_sj) &&
      !cHas("閉会中"_sj) && !cHas("議決"_sj) &&
      (cHas("散会"_sj) || cHas("延会"_sj) || cHas("閉会"_sj))) {
    st.InProceedings = false;
    return set(T, "8", "9");
  }

  // Marked blocks.
  if (StartsWith(U, "｛｛"_sj)) {
    ++counts.RosterStartCount;
    st.InRoster = true;
    return set(T, "51");
  }
  if (StartsWith(U, "｝｝"_sj)) {
    ++counts.RosterEndCount;
    st.InRoster = false;
    return set(T, "52");
  }
  if (st.InRoster) return set(T, "5");
  if (StartsWith(A, "（（"_sj)) {
    st.InPlainText = true;
    return set(T, "94");
  }
  if (StartsWith(A, "））"_sj)) {
    st.InPlainText = false;
    return set(T, "95");
  }
  if (st.InPlainText) return set(T, "1");
  if (StartsWith(U, "「「"_sj)) {
    ++counts.EnumStartCount;
    st.InEnumeration = true;
    return set(T, "71");
  }
  if (StartsWith(U, "」」"_sj)) {
    ++counts.EnumEndCount;
    st.InEnumeration = false;
    return set(T, "72");
  }
  if (st.InEnumeration) return set(T, "7");
  if (StartsWith(U, "『『"_sj)) {
    ++counts.HTMLStartCount;
    st.InRawHTML = true;
    return set(T, "61");
  }
  if (StartsWith(U, "』』"_sj)) {
    ++counts.HTMLEndCount;
    st.InRawHTML = false;
    return set(T, "62");
  }
  if (st.InRawHTML) return set(R, "6");
  if (StartsWith(U, "【【"_sj)) {
    ++counts.QuoteStartCount;
    st.InQuote = true;
    st.QuoteStarted = false;
    return set(T, "91");
  }
  if (StartsWith(U, "】】"_sj)) {
    ++counts.QuoteEndCount;
    st.InQuote = false;
    CloseBlock(previous);
    return set(T, "92");
  }
  if (st.InQuote) {
    const char* pos = st.QuoteStarted ? "2" : "1";
    st.QuoteStarted = true;
    return set(R, "9", pos);
  }
  if (StartsWith(U, "〔〔"_sj)) {
    ++counts.ParagraphStartCount;
    st.InParagraph = true;
    st.ParagraphStarted = false;
    return set(T, "11");
  }
  if (StartsWith(U, "〕〕"_sj)) {
    ++counts.ParagraphEndCount;
    st.InParagraph = false;
    CloseBlock(previous);
    return set(T, "12");
  }
  if (st.InParagraph) {
    const char* pos = st.ParagraphStarted ? "2" : "1";
    st.ParagraphStarted = true;
    return set(R, "10", pos);
  }

  // Recess and resumption.
  if (st.InProceedings && StartsWith(T, kFwSpace) && !facts.has[kMaru] &&
      (sjis::Contains(A, "憩"_sj) || sjis::Contains(A, "開"_sj)) &&
      (cHas("休憩"_sj) || cHas("再開"_sj))) {
    return set(T, "8");
  }

  // Bracketed notes, possibly over several lines.
  if (!EndsSentence(last)) {
    const bool* has = facts.has;
    const bool paren = compact.first == kOpenParen;  // C starts with "（"
    const bool noteAtOnce = (paren && has[kCloseParen]) || (has[kOpenShell] && has[kCloseShell]) ||
                            (has[kOpenSquare] && has[kCloseSquare]) ||
                            (has[kOpenLens] && has[kCloseLens]);
    if (st.InProceedings && !has[kYen] && noteAtOnce) {
      st.NoteOpen = false;
      return set(T, "8", "0");
    }
    if (st.InProceedings &&
        ((paren && !has[kCloseParen]) || (has[kOpenShell] && !has[kCloseShell]) ||
         (has[kOpenSquare] && !has[kCloseSquare]))) {
      st.NoteOpen = true;
      return set(T, "8", "1");
    }
    if (st.InProceedings &&
        ((!compact.openParen && has[kCloseParen]) || (!has[kOpenShell] && has[kCloseShell]) ||
         (!has[kOpenSquare] && has[kCloseSquare]) || (has[kOpenLens] && has[kCloseLens]))) {
      st.NoteOpen = false;
      return set(T, "8", "3");
    }
    if (st.NoteOpen) return set(T, "8", "2");
  }

  // Applause inside a sentence line keeps the line apart.
  std::string changed;  // T, where a rule below changes it
  if (facts.firstSpace > 1 && facts.clapping > 1 && facts.has[kMaru] && !facts.has[kYen]) {
    changed.reserve(T.size() + 2);
    changed.append(T).append("＼"_sj);
    T = changed;
    facts = Scan(T);
    last = kYen;
  }

  if (st.InProceedings && (compact.first == kDownMark || compact.first == kWhiteDownMark) &&
      !compact.maru) {
    return heading(U);
  }

  // Speaker split by a mark, or by a half-width space after a title.
  std::size_t k = facts.markSplit;
  if (facts.titleSpace) {
    changed = sjis::ReplaceFirst(T, " ", "　"_sj);
    T = changed;
    facts = Scan(T);
    k = facts.firstSpace;
  }
  if (k > 1) {
    row.Designation.assign(T.substr(0, k - 1));
    row.Text = AfterFwSpace(ZenkakuTrimRightView(
        ZenkakuTrimLeftView(k + 1 <= T.size() ? T.substr(k + 1) : std::string_view())));
    row.LineKind = "2";
    return;
  }

  // Lines without a mark: a designation-like first segment of a sentence
  // line makes a speaker line; short lines without a sentence are headings.
  const std::size_t f = facts.firstSpace;
  if (EndsSentence(last)) {
    if (f > 1 && f < 51) {
      k = f;
      if (facts.secondSpace > 0 && facts.secondSpace < 41) k = facts.secondSpace;
      if (facts.parenSpace > 0 && facts.parenSpace < 51) k = facts.parenSpace + 2;
      const std::string_view D = T.substr(0, k - 1);
      if ((facts.firstTouten > 0 && facts.firstTouten < k) ||
          analysis::FastContains(D, "議案"_sj) || analysis::FastContains(D, "日程"_sj)) {
        return set(AfterFwSpace(TrimAllSpacesView(T)), "3");
      }
      row.Designation.assign(TrimAllSpacesView(D));
      row.Text =
          AfterFwSpace(TrimAllSpacesView(k + 1 <= T.size() ? T.substr(k + 1) : std::string_view()));
      row.LineKind = "2";
      if (!st.AfterClosing) st.InProceedings = true;
      st.NoteOpen = false;
      return;
    }
    return set(AfterFwSpace(TrimAllSpacesView(T)), st.InProceedings ? "3" : "1");
  }
  if (!st.InProceedings) return set(T, "1");
  if (facts.has[kMaru]) return set(T, "3");
  heading(U);
}

namespace {

// Classifies lines 1..N; `lineAt(r)` gives line r as the classifier reads it.
template <typename LineAt>
int ClassifyRows(std::size_t lineCount, LineAt lineAt, LineTable& target, BlockMarkCounts& counts,
                 const std::function<void(std::size_t, LineRow&)>& rowDone) {
  if (lineCount == 0) return -1;
  target.Resize(lineCount);
  LineClassifier classifier(counts);
  for (std::size_t r = 1; r <= lineCount; ++r) {
    LineRow& row = target.Row(r);
    SetLineNo(row, r);
    classifier.Classify(lineAt(r), row, r > 1 ? &target.Row(r - 1) : nullptr);
    if (rowDone) rowDone(r, row);
  }
  return 0;
}

}  // namespace

void SetLineNo(LineRow& row, std::size_t r) {
  char digits[24];
  const std::size_t count =
      static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, r).ptr - digits);
  char padded[28] = {' ', ' ', ' ', ' '};
  const std::size_t pad = count < 4 ? 4 - count : 0;
  std::memcpy(padded + pad, digits, count);
  row.LineNo = std::string_view(padded, pad + count);
}

std::string_view PreparedMinutesLine(std::string_view line) {
  std::string_view out = ZenkakuTrimRightView(line);
  if (!out.empty() && out[0] == ' ' && (out.size() < 2 || out[1] != ' ')) out.remove_prefix(1);
  return out;
}

std::string PrepareMinutesLine(std::string_view line) {
  return std::string(PreparedMinutesLine(line));
}

int MoveGrid2Roster(const std::vector<std::string>& preparedLines, LineTable& target,
                    BlockMarkCounts& counts) {
  return ClassifyRows(preparedLines.size(),
                      [&](std::size_t r) -> std::string_view { return preparedLines[r - 1]; },
                      target, counts, {});
}

int ClassifyMinutesLines(const std::vector<std::string>& lines, LineTable& target,
                         BlockMarkCounts& counts,
                         const std::function<void(std::size_t, LineRow&)>& rowDone) {
  return ClassifyRows(
      lines.size(), [&](std::size_t r) { return PreparedMinutesLine(lines[r - 1]); }, target,
      counts, rowDone);
}

}  // namespace korva
