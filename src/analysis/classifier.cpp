#include "analysis/classifier.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "analysis/text_search.h"

#include "text/literal.h"
#include "text/sjis.h"
#include "text/string_helpers.h"

namespace korva {
using namespace literals;

namespace {

// "　" + text in a string of exactly that size: the table keeps one such text
// per speech line, and "　"_sj + text would double the capacity of most.
std::string AfterFwSpace(std::string_view text) {
  std::string out;
  out.reserve(2 + text.size());
  out.append("\x81\x40").append(text);
  return out;
}

struct ClassifierState {
  bool InComment = false;
  bool InProceedings = false;
  bool AfterClosing = false;
  bool InRoster = false;
  bool InPlainText = false;
  bool InEnumeration = false;
  bool InRawHTML = false;
  bool InQuote = false;
  bool QuoteStarted = false;
  bool InParagraph = false;
  bool ParagraphStarted = false;
  bool NoteOpen = false;
};

bool StartsWith(std::string_view s, std::string_view prefix) {
  return sjis::StartsWith(s, prefix);
}
bool Contains(std::string_view s, std::string_view sub) {
  return analysis::FastContains(s, sub);
}
// Shadows korva::Pos within this file: same result, faster.
std::size_t FastPos(std::string_view sub, std::string_view s) {
  return analysis::FastPos(sub, s);
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

std::string TrimTrailingControlAndSpaces(std::string s) {
  while (!s.empty() && IsControlOrSpace(s.back())) s.pop_back();
  return s;
}

// A cheap filter before IsSeparatorLine (which removes each symbol in turn):
// only a line made of separator symbols can be one.
bool MayBeSeparatorLine(std::string_view t) {
  static const std::array<std::string, 15> symbols = [] {
    std::array<std::string, 15> out;
    const std::array<std::string_view, 15> utf8 = {"　", " ", "―", "-", "─",  "－", "━", "～",
                                                   "＝", "☆", "◇", "○", "〇", "□",  "〓"};
    for (std::size_t i = 0; i < utf8.size(); ++i) out[i] = Sj(std::string(utf8[i]));
    return out;
  }();
  for (std::size_t pos = 0; pos < t.size(); pos += sjis::CharLength(t, pos)) {
    const std::string_view ch = t.substr(pos, sjis::CharLength(t, pos));
    if (std::find(symbols.begin(), symbols.end(), ch) == symbols.end()) return false;
  }
  return true;
}

// The last character ends a sentence (or was marked to be kept apart).
bool EndsSentence(std::string_view last) {
  return last == "。"_sj || last == "…"_sj || last == "、"_sj || last == "＼"_sj;
}

// The split point that a mark followed by a full-width space gives (1-based
// position of that space); the last mark of the list that occurs wins. A mark
// that ends the line counts as followed by a space when no other mark split.
std::size_t MarkSplitPoint(std::string_view t) {
  static constexpr std::size_t kMarkCount = 14;
  // Mark index by character code, -1 for other characters; every mark is a
  // two-byte character, so a byte that leads none of them is skipped quickly.
  struct MarkTable {
    bool lead[256] = {};
    std::array<std::int8_t, 256 * 256> index;
    MarkTable() {
      index.fill(-1);
      const std::array<std::string_view, kMarkCount> utf8 = {"○", "●", "◆", "◇", "◎", "＠", "■",
                                                             "□", "▲", "▼", "△", "▽", "★",  "☆"};
      for (std::size_t i = 0; i < utf8.size(); ++i) {
        const std::string mark = Sj(std::string(utf8[i]));
        const auto b0 = static_cast<unsigned char>(mark[0]);
        const auto b1 = static_cast<unsigned char>(mark[1]);
        lead[b0] = true;
        if (index[b0 * 256u + b1] < 0) index[b0 * 256u + b1] = static_cast<std::int8_t>(i);
      }
    }
  };
  static const MarkTable table;
  constexpr std::string_view kFwSpace = "\x81\x40";
  std::array<std::size_t, kMarkCount>
      first{};  // 1-based position of each mark's first split, 0 none
  int lastMarkAtEnd = -1;
  const std::size_t n = t.size();
  for (std::size_t pos = 0; pos < n;) {
    const auto b0 = static_cast<unsigned char>(t[pos]);
    if (!sjis::IsLeadByte(b0) || pos + 1 >= n) {
      ++pos;
      continue;
    }
    if (table.lead[b0]) {
      const int i = table.index[b0 * 256u + static_cast<unsigned char>(t[pos + 1])];
      if (i >= 0) {
        if (t.substr(pos + 2, 2) == kFwSpace) {
          if (!first[i]) first[i] = pos + 1;
        } else if (pos + 2 == n) {
          lastMarkAtEnd = i;
        }
      }
    }
    pos += 2;
  }
  for (std::size_t i = kMarkCount; i-- > 0;) {
    if (first[i]) return first[i] + 2;
  }
  return lastMarkAtEnd >= 0 ? t.size() + 1 : 0;
}

// Moves the previous row's block position to "last", or "only" when it was the first.
void CloseBlock(LineRow* previous) {
  if (previous) previous->BlockPos = previous->BlockPos == "1" ? "0" : "3";
}

void ClassifyLine(const std::string& R, LineRow& row, LineRow* previous, ClassifierState& st,
                  BlockMarkCounts& counts) {
  std::string T = TrimRightBlanks(R);
  const std::string_view A = TrimmedView(R);
  const std::string C = DeleteAllSpaces(A);
  if (std::size_t p = FastPos("／／"_sj, T)) T = ZenkakuTrim(std::string_view(T).substr(0, p - 1));
  std::string U = ZenkakuTrim(T);

  auto set = [&row](std::string text, const char* kind, const char* blockPos = "") {
    row.Text = std::move(text);
    row.LineKind = kind;
    row.BlockPos = blockPos;
  };
  auto heading = [&row](const std::string& designation) {
    row.Designation = designation;
    row.LineKind = "4";
  };

  // Empty lines and the comment, drop, plain-comment and enumeration marks.
  if (C.empty()) return set("", "0");
  if (StartsWith(A, "＜＜"_sj)) {
    ++counts.CommentStartCount;
    st.InComment = true;
    return set(std::move(T), "96");
  }
  if (StartsWith(A, "＞＞"_sj)) {
    ++counts.CommentEndCount;
    st.InComment = false;
    return set(std::move(T), "97");
  }
  if (st.InComment) return set(std::move(T), "93");
  if (StartsWith(U, "＼"_sj)) return set(std::move(U), "-");
  if (StartsWith(U, "。。"_sj)) {
    st.InPlainText = true;
    return set(std::move(U), "99", "9");
  }
  if (StartsWith(U, "。"_sj)) return set(R, "0", "1");
  if (StartsWith(T, "▼"_sj) || StartsWith(T, "▽"_sj)) return heading(U);
  if (StartsWith(A, "「」"_sj)) return set(sjis::ReplaceFirst(T, "「」"_sj, ""), "73");
  if (StartsWith(A, "￥"_sj) || st.AfterClosing) return set(std::move(T), "8");

  T = TrimTrailingControlAndSpaces(std::move(T));
  if (T.empty()) return set(std::move(T), "-");
  std::string last(sjis::LastChar(T));

  if (StartsWith(U, "－"_sj) && sjis::EndsWith(U, "－"_sj)) {
    return set(sjis::ReplaceAll(T, "-", ""), "0");
  }
  if (MayBeSeparatorLine(T) && IsSeparatorLine(T)) return set(std::move(T), "-");

  // The proceedings: opened by the first "■" line, closed by the second or
  // by the adjournment line.
  if (StartsWith(A, "■"_sj) && !Contains(C, "。"_sj)) {
    if (!st.InProceedings) {
      st.InProceedings = true;
      return heading(U);
    }
    st.InProceedings = false;
    st.AfterClosing = true;
    return set(std::move(T), "1");
  }
  if (st.InProceedings && !Contains(T, "。"_sj) && !Contains(C, "宣告"_sj) &&
      !Contains(C, "閉会中"_sj) && !Contains(C, "議決"_sj) &&
      (Contains(C, "散会"_sj) || Contains(C, "延会"_sj) || Contains(C, "閉会"_sj))) {
    st.InProceedings = false;
    return set(std::move(T), "8", "9");
  }

  // Marked blocks.
  if (StartsWith(U, "｛｛"_sj)) {
    ++counts.RosterStartCount;
    st.InRoster = true;
    return set(std::move(T), "51");
  }
  if (StartsWith(U, "｝｝"_sj)) {
    ++counts.RosterEndCount;
    st.InRoster = false;
    return set(std::move(T), "52");
  }
  if (st.InRoster) return set(std::move(T), "5");
  if (StartsWith(A, "（（"_sj)) {
    st.InPlainText = true;
    return set(std::move(T), "94");
  }
  if (StartsWith(A, "））"_sj)) {
    st.InPlainText = false;
    return set(std::move(T), "95");
  }
  if (st.InPlainText) return set(std::move(T), "1");
  if (StartsWith(U, "「「"_sj)) {
    ++counts.EnumStartCount;
    st.InEnumeration = true;
    return set(std::move(T), "71");
  }
  if (StartsWith(U, "」」"_sj)) {
    ++counts.EnumEndCount;
    st.InEnumeration = false;
    return set(std::move(T), "72");
  }
  if (st.InEnumeration) return set(std::move(T), "7");
  if (StartsWith(U, "『『"_sj)) {
    ++counts.HTMLStartCount;
    st.InRawHTML = true;
    return set(std::move(T), "61");
  }
  if (StartsWith(U, "』』"_sj)) {
    ++counts.HTMLEndCount;
    st.InRawHTML = false;
    return set(std::move(T), "62");
  }
  if (st.InRawHTML) return set(R, "6");
  if (StartsWith(U, "【【"_sj)) {
    ++counts.QuoteStartCount;
    st.InQuote = true;
    st.QuoteStarted = false;
    return set(std::move(T), "91");
  }
  if (StartsWith(U, "】】"_sj)) {
    ++counts.QuoteEndCount;
    st.InQuote = false;
    CloseBlock(previous);
    return set(std::move(T), "92");
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
    return set(std::move(T), "11");
  }
  if (StartsWith(U, "〕〕"_sj)) {
    ++counts.ParagraphEndCount;
    st.InParagraph = false;
    CloseBlock(previous);
    return set(std::move(T), "12");
  }
  if (st.InParagraph) {
    const char* pos = st.ParagraphStarted ? "2" : "1";
    st.ParagraphStarted = true;
    return set(R, "10", pos);
  }

  // Recess and resumption.
  if (st.InProceedings && StartsWith(T, "　"_sj) && !Contains(U, "。"_sj) &&
      (Contains(C, "休憩"_sj) || Contains(C, "再開"_sj))) {
    return set(std::move(T), "8");
  }

  // Bracketed notes, possibly over several lines.
  if (!EndsSentence(last)) {
    const std::size_t oP = FastPos("（"_sj, C), cP = FastPos("）"_sj, U);
    const std::size_t oK = FastPos("〔"_sj, U), cK = FastPos("〕"_sj, U);
    const std::size_t oS = FastPos("［"_sj, U), cS = FastPos("］"_sj, U);
    const std::size_t oB = FastPos("【"_sj, U), cB = FastPos("】"_sj, U);
    const std::size_t y = FastPos("＼"_sj, U);
    if (st.InProceedings && y == 0 &&
        ((oP == 1 && cP > 0) || (oK > 0 && cK > 0) || (oS > 0 && cS > 0) || (oB > 0 && cB > 0))) {
      st.NoteOpen = false;
      return set(std::move(T), "8", "0");
    }
    if (st.InProceedings && ((oP == 1 && cP == 0) || (oK > 0 && cK == 0) || (oS > 0 && cS == 0))) {
      st.NoteOpen = true;
      return set(std::move(T), "8", "1");
    }
    if (st.InProceedings &&
        ((oP == 0 && cP > 0) || (oK == 0 && cK > 0) || (oS == 0 && cS > 0) || (oB > 0 && cB > 0))) {
      st.NoteOpen = false;
      return set(std::move(T), "8", "3");
    }
    if (st.NoteOpen) return set(std::move(T), "8", "2");
  }

  // Applause inside a sentence line keeps the line apart.
  if (FastPos("　"_sj, T) > 1 && FastPos("拍手"_sj, T) > 1 && Contains(T, "。"_sj) &&
      !Contains(T, "＼"_sj)) {
    T += "＼"_sj;
    last = "＼"_sj;
  }

  if (st.InProceedings && (StartsWith(C, "▼"_sj) || StartsWith(C, "▽"_sj)) &&
      !Contains(C, "。"_sj)) {
    return heading(U);
  }

  // Speaker split by a mark, or by a half-width space after a title.
  std::size_t k = MarkSplitPoint(T);
  if (Contains(T, "長 "_sj) || Contains(T, "） "_sj) || Contains(T, "員 "_sj)) {
    T = sjis::ReplaceFirst(T, " ", "　"_sj);
    k = FastPos("　"_sj, T);
  }
  if (k > 1) {
    const std::string_view t(T);
    row.Designation = std::string(t.substr(0, k - 1));
    row.Text = AfterFwSpace(ZenkakuTrim(k + 1 <= t.size() ? t.substr(k + 1) : std::string_view()));
    row.LineKind = "2";
    return;
  }

  // Lines without a mark: a designation-like first segment of a sentence
  // line makes a speaker line; short lines without a sentence are headings.
  const std::size_t f = FastPos("　"_sj, T);
  if (EndsSentence(last)) {
    if (f > 1 && f < 51) {
      k = f;
      const std::size_t second = SearchFrom("　"_sj, T, f + 1);  // rare: only sentence lines
      if (second > 0 && second < 41) k = second;
      const std::size_t q = FastPos("）　"_sj, T);
      if (q > 0 && q < 51) k = q + 2;
      const std::string_view t(T);
      const std::string_view D = t.substr(0, k - 1);
      if (Contains(D, "、"_sj) || Contains(D, "議案"_sj) || Contains(D, "日程"_sj)) {
        return set(AfterFwSpace(TrimAllSpaces(T)), "3");
      }
      row.Designation = TrimAllSpaces(D);
      row.Text =
          AfterFwSpace(TrimAllSpaces(k + 1 <= t.size() ? t.substr(k + 1) : std::string_view()));
      row.LineKind = "2";
      if (!st.AfterClosing) st.InProceedings = true;
      st.NoteOpen = false;
      return;
    }
    return set(AfterFwSpace(TrimAllSpaces(T)), st.InProceedings ? "3" : "1");
  }
  if (!st.InProceedings) return set(std::move(T), "1");
  if (Contains(T, "。"_sj)) return set(std::move(T), "3");
  heading(U);
}

// Classifies lines 1..N; `lineAt(r)` gives line r as the classifier reads it.
template <typename LineAt>
int ClassifyRows(std::size_t lineCount, LineAt lineAt, LineTable& target, BlockMarkCounts& counts,
                 const std::function<void(std::size_t, LineRow&)>& rowDone) {
  if (lineCount == 0) return -1;
  target.Resize(lineCount);
  ClassifierState state;
  for (std::size_t r = 1; r <= lineCount; ++r) {
    LineRow& row = target.Row(r);
    row.LineNo = PadNumber(static_cast<long long>(r), 4);
    ClassifyLine(lineAt(r), row, r > 1 ? &target.Row(r - 1) : nullptr, state, counts);
    if (rowDone) rowDone(r, row);
  }
  return 0;
}

}  // namespace

std::string TrimRightBlanks(std::string_view line) {
  // Only a last byte that is a control character, a space or the trail byte
  // of "　" can start a blank run; most lines end otherwise.
  if (line.empty()) return {};
  const auto last = static_cast<unsigned char>(line.back());
  if (last > 0x20 && last != 0x40) return std::string(line);
  return ZenkakuTrimRight(line);
}

std::string PrepareMinutesLine(std::string_view line) {
  std::string out = TrimRightBlanks(line);
  if (!out.empty() && out[0] == ' ' && (out.size() < 2 || out[1] != ' ')) out.erase(0, 1);
  return out;
}

int MoveGrid2Roster(const std::vector<std::string>& preparedLines, LineTable& target,
                    BlockMarkCounts& counts) {
  return ClassifyRows(preparedLines.size(),
                      [&](std::size_t r) -> const std::string& { return preparedLines[r - 1]; },
                      target, counts, {});
}

int ClassifyMinutesLines(const std::vector<std::string>& lines, LineTable& target,
                         BlockMarkCounts& counts,
                         const std::function<void(std::size_t, LineRow&)>& rowDone) {
  return ClassifyRows(
      lines.size(), [&](std::size_t r) { return PrepareMinutesLine(lines[r - 1]); }, target, counts,
      rowDone);
}

}  // namespace korva
