#include "prepare/line_reading.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "analysis/classifier.h"
#include "analysis/text_search.h"
#include "text/literal.h"
#include "text/sjis.h"
#include "text/string_helpers.h"

namespace korva::prepare {
using namespace literals;

namespace {

using analysis::FastContains;
using analysis::FastPos;

constexpr std::string_view kFwSpace = "\x81\x40";

bool IsControlOrSpace(char c) {
  return static_cast<unsigned char>(c) <= 0x20;
}

// Bytes up to 0x20 are never trail bytes, so cutting them bytewise is exact.
std::string_view TrimControlView(std::string_view r) {
  std::size_t begin = 0, end = r.size();
  while (begin < end && IsControlOrSpace(r[begin])) ++begin;
  while (end > begin && IsControlOrSpace(r[end - 1])) --end;
  return r.substr(begin, end - begin);
}

bool StartsWith(std::string_view s, std::string_view prefix) {
  return sjis::StartsWith(s, prefix);
}

bool EndsSentence(std::string_view last) {
  return last == "。"_sj || last == "…"_sj || last == "、"_sj || last == "＼"_sj;
}

bool ContainsAny(std::string_view s, std::initializer_list<const std::string*> words) {
  for (const std::string* word : words) {
    if (FastContains(s, *word)) return true;
  }
  return false;
}

// The rules split a line at a speaker mark followed by a full-width space,
// or at one of those marks that ends the line.
bool SplitsByMark(std::string_view t) {
  static const std::vector<std::string> marks = [] {
    std::vector<std::string> out;
    for (std::string_view m :
         {"○", "●", "◆", "◇", "◎", "＠", "■", "□", "▲", "▼", "△", "▽", "★", "☆"}) {
      out.push_back(Sj(m));
    }
    return out;
  }();
  for (std::size_t pos = 0; pos < t.size();) {
    const std::size_t len = sjis::CharLength(t, pos);
    if (len == 2) {
      const std::string_view ch = t.substr(pos, 2);
      const std::string_view next = t.substr(pos + 2, 2);
      if ((next.empty() || next == kFwSpace) &&
          std::find(marks.begin(), marks.end(), ch) != marks.end()) {
        return true;
      }
    }
    pos += len;
  }
  return false;
}

// The rules split at the first space after "長", "）" or "員" when it is a
// half-width one, unless the line starts with a space.
bool SplitsByHalfSpace(std::string_view t) {
  if (t.empty() || t[0] == ' ' || StartsWith(t, kFwSpace)) return false;
  return FastContains(t, "長 "_sj) || FastContains(t, "） "_sj) || FastContains(t, "員 "_sj);
}

// A line with a sentence end and a full-width space after "拍手": the rules
// keep it apart as if it ended a sentence.
bool ApplauseKeepsApart(std::string_view t, bool hasPeriod) {
  return FastPos("　"_sj, t) > 1 && FastPos("拍手"_sj, t) > 1 && hasPeriod &&
         !FastContains(t, "＼"_sj);
}

struct NoteState {
  bool isNote = false;
  bool open = false;
};

// The bracketed-note rules for a line that does not end a sentence.
NoteState ReadNote(std::string_view c, std::string_view u, bool noteOpen) {
  const std::size_t oP = FastPos("（"_sj, c), cP = FastPos("）"_sj, u);
  const std::size_t oK = FastPos("〔"_sj, u), cK = FastPos("〕"_sj, u);
  const std::size_t oS = FastPos("［"_sj, u), cS = FastPos("］"_sj, u);
  const std::size_t oB = FastPos("【"_sj, u), cB = FastPos("】"_sj, u);
  const std::size_t y = FastPos("＼"_sj, u);
  if (y == 0 && ((oP == 1 && cP > 0) || (oK && cK) || (oS && cS) || (oB && cB)))
    return {true, false};
  if ((oP == 1 && cP == 0) || (oK && !cK) || (oS && !cS)) return {true, true};
  if ((oP == 0 && cP > 0) || (oK == 0 && cK) || (oS == 0 && cS) || (oB && cB)) return {true, false};
  return {noteOpen, noteOpen};
}

// Where the bracketed notes that end `t` begin ("…ます。（「市長」と呼ぶ者
// あり）"), when what comes before them ends a sentence; 0 otherwise.
std::size_t EndingNoteStart(std::string_view t) {
  static const std::string opens = "（"_sj + "〔"_sj + "［"_sj + "【"_sj;
  static const std::string closes = "）"_sj + "〕"_sj + "］"_sj + "】"_sj;
  auto kind = [](const std::string& set, std::string_view ch) -> int {
    for (std::size_t i = 0; ch.size() == 2 && i < set.size(); i += 2) {
      if (set.compare(i, 2, ch) == 0) return static_cast<int>(i / 2);
    }
    return -1;
  };
  // Openers waiting for their closers; the run of whole groups that ends last.
  std::vector<std::pair<int, std::size_t>> open;
  std::size_t runStart = 0, runEnd = sjis::npos;
  for (std::size_t pos = 0; pos < t.size();) {
    const std::size_t len = sjis::CharLength(t, pos);
    const std::string_view ch = t.substr(pos, len);
    if (const int o = kind(opens, ch); o >= 0) {
      open.emplace_back(o, pos);
    } else if (const int c = kind(closes, ch); c >= 0) {
      if (open.empty() || open.back().first != c) {
        open.clear();  // a stray closer ("１）"): only the groups after it count
      } else {
        const std::size_t start = open.back().second;
        open.pop_back();
        if (open.empty()) {
          if (runEnd != start) runStart = start;
          runEnd = pos + len;
        }
      }
    }
    pos += len;
  }
  if (!open.empty() || runEnd != t.size() || runStart == 0) return 0;
  const std::string before = ZenkakuTrimRight(t.substr(0, runStart));
  return EndsSentence(sjis::LastChar(before)) ? runStart : 0;
}

}  // namespace

bool IsSpeakerMark(std::string_view ch) {
  return ch == "○"_sj || ch == "◎"_sj || ch == "◆"_sj || ch == "◇"_sj || ch == "◯"_sj ||
         ch == "〇"_sj;
}

std::string RuleText(std::string_view rawLine) {
  std::string t = PrepareMinutesLine(rawLine);
  if (const std::size_t p = FastPos("／／"_sj, t))
    t = ZenkakuTrim(std::string_view(t).substr(0, p - 1));
  while (!t.empty() && IsControlOrSpace(t.back())) t.pop_back();
  return t;
}

std::size_t SplitBySpaces(std::string_view t) {
  const std::size_t f = FastPos("　"_sj, t);
  if (f <= 1 || f >= 51) return 0;
  std::size_t k = f;
  if (const std::size_t second = SearchFrom("　"_sj, t, f + 1); second > 0 && second < 41) {
    k = second;
  }
  if (const std::size_t q = FastPos("）　"_sj, t); q > 0 && q < 51) k = q + 2;
  const std::string_view d = t.substr(0, k - 1);
  if (FastContains(d, "、"_sj) || FastContains(d, "議案"_sj) || FastContains(d, "日程"_sj))
    return 0;
  return k - 1;
}

bool IsPageMarker(std::string_view line) {
  if (line.size() < 6 || line.front() != '<' || line.back() != '>') return false;
  for (const char c : line) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  std::string_view name = line.substr(1);
  while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
  if (name.size() < 5) return false;
  for (std::size_t i = 0; i < 4; ++i) {
    if (sjis::AsciiLower(name[i]) != "page"[i]) return false;
  }
  const char after = name[4];
  return after == '=' || after == ' ' || after == '>' || after == '/';
}

LineReader::LineReader(std::span<const YakushokuTable> extraTitles, bool dotLinesOpenPlainText)
    : extraTitles_(extraTitles), dotLinesOpenPlainText_(dotLinesOpenPlainText) {}

bool LineReader::ReadDesignation(std::string_view t, LineReading& out) const {
  const std::string_view mark = sjis::FirstChar(t);
  if (t.size() < 4 || !IsSpeakerMark(mark)) return false;
  const std::string_view rest = t.substr(mark.size());
  if (rest.front() == ' ' || StartsWith(rest, kFwSpace)) return false;  // the rules' own split

  // The designation runs to its first full-width space, or past "（…）" when
  // that comes first ("○市長（櫻田　宏）").
  const std::size_t space = sjis::Find(rest, kFwSpace);
  const std::size_t open = sjis::Find(rest, "（"_sj);
  std::size_t end = space == sjis::npos ? rest.size() : space;
  if (open != sjis::npos && open < end) {
    const std::size_t close = sjis::Find(rest, "）"_sj, open);
    if (close != sjis::npos) end = close + 2;
  }
  const std::string_view designation = rest.substr(0, end);
  if (FastContains(designation, "。"_sj) || FastContains(designation, "、"_sj) ||
      designation.size() > 60) {
    return false;
  }
  if (!sjis::EndsWith(designation, "）"_sj) &&
      YakushokuCodeByTail(designation, "9", extraTitles_) == "0") {
    return false;
  }

  // A short stage note may follow at once: "〔登壇〕", "（登壇）".
  std::string_view after = rest.substr(end);
  std::size_t note = 0;
  for (const auto& [o, c] : {std::pair{&"〔"_sj, &"〕"_sj}, std::pair{&"（"_sj, &"）"_sj}}) {
    if (!StartsWith(after, *o)) continue;
    const std::size_t close = sjis::Find(after, *c);
    if (close != sjis::npos && close <= 22 &&
        (close + 2 == after.size() || StartsWith(after.substr(close + 2), kFwSpace))) {
      note = close + 2;
    }
  }
  after.remove_prefix(note);
  if (!after.empty() && !StartsWith(after, kFwSpace)) return false;

  out.mark = mark;
  out.designationLength = mark.size() + end;
  out.noteLength = note;
  out.shape = ZenkakuTrim(after).empty() ? Shape::LoneDesignation : Shape::Designation;
  return true;
}

LineReading LineReader::Read(std::string_view rawLine) {
  LineReading out;
  const std::string r = PrepareMinutesLine(rawLine);
  const std::string t = RuleText(rawLine);
  const std::string_view a = TrimControlView(r);
  const std::string c = DeleteAllSpaces(a);
  const std::string u = ZenkakuTrim(t);
  auto shape = [&out](Shape s) {
    out.shape = s;
    return out;
  };

  if (c.empty()) return shape(Shape::Blank);
  if (StartsWith(a, "＜＜"_sj)) return inComment_ = true, shape(Shape::ClerkMark);
  if (StartsWith(a, "＞＞"_sj)) return inComment_ = false, shape(Shape::ClerkMark);
  if (inComment_) return shape(Shape::InBlock);
  if (IsPageMarker(u)) return shape(Shape::PageMarker);
  if (StartsWith(u, "＼"_sj)) return shape(Shape::ClerkMark);
  if (StartsWith(u, "。。"_sj)) {
    if (dotLinesOpenPlainText_) inPlainText_ = true;
    return shape(Shape::DotLine);
  }
  if (StartsWith(u, "。"_sj)) return shape(Shape::DotLine);
  if (StartsWith(t, "▼"_sj) || StartsWith(t, "▽"_sj) || StartsWith(a, "「」"_sj) ||
      StartsWith(a, "￥"_sj)) {
    return shape(Shape::ClerkMark);
  }
  if (proceedingsMarks_ >= 2) return shape(Shape::InBlock);
  if (t.empty()) return shape(Shape::Blank);
  if ((StartsWith(u, "－"_sj) && sjis::EndsWith(u, "－"_sj)) || IsSeparatorLine(t)) {
    return shape(Shape::Separator);
  }
  const bool hasPeriod = FastContains(t, "。"_sj);
  if (StartsWith(a, "■"_sj) && !FastContains(c, "。"_sj)) {
    ++proceedingsMarks_;
    return shape(Shape::ProceedingsMark);
  }
  if (!hasPeriod && ContainsAny(c, {&"散会"_sj, &"延会"_sj, &"閉会"_sj}) &&
      !ContainsAny(c, {&"宣告"_sj, &"閉会中"_sj, &"議決"_sj})) {
    out.adjourns = true;
    return shape(Shape::Procedural);
  }

  // Blocks of the program's own marks.
  struct Block {
    const std::string& start;
    const std::string& end;
    bool& inside;
    bool onA;
  };
  const Block blocks[] = {
      {"｛｛"_sj, "｝｝"_sj, inRoster_, false},      {"（（"_sj, "））"_sj, inPlainText_, true},
      {"「「"_sj, "」」"_sj, inEnumeration_, false}, {"『『"_sj, "』』"_sj, inRawHTML_, false},
      {"【【"_sj, "】】"_sj, inQuote_, false},       {"〔〔"_sj, "〕〕"_sj, inParagraph_, false}};
  for (const Block& block : blocks) {
    const std::string_view text = block.onA ? a : std::string_view(u);
    if (StartsWith(text, block.start)) return block.inside = true, shape(Shape::ClerkMark);
    if (StartsWith(text, block.end)) return block.inside = false, shape(Shape::ClerkMark);
    if (block.inside) return shape(Shape::InBlock);
  }

  if (StartsWith(t, "　"_sj) && !FastContains(u, "。"_sj) &&
      (FastContains(c, "休憩"_sj) || FastContains(c, "再開"_sj))) {
    return shape(Shape::Procedural);
  }

  // The rules try the notes before they let applause keep a line apart.
  const bool endsSentence = EndsSentence(sjis::LastChar(t));
  const NoteState note = endsSentence ? NoteState{} : ReadNote(c, u, noteOpen_);
  const bool keptApart = endsSentence || (!note.isNote && ApplauseKeepsApart(t, hasPeriod));

  if (ReadDesignation(t, out)) {
    noteOpen_ = false;
    if (out.shape == Shape::Designation) {
      const std::size_t expected = out.designationLength + out.noteLength;
      if (keptApart) {
        out.readsAsSpeaker = !SplitsByMark(t) &&
                             (!SplitsByHalfSpace(t) || FastPos(" ", t) == expected + 1) &&
                             SplitBySpaces(t) == expected;
      } else {
        // A heading to the rules, which the title at its end makes a speaker line.
        out.readsAsSpeaker = !note.isNote && !hasPeriod &&
                             YakushokuCodeByTail(DeleteAllSpaces(u), "9", extraTitles_) != "0";
        out.endingNote = EndingNoteStart(t);
      }
    }
    return out;
  }

  if (note.isNote) {
    noteOpen_ = note.open;
    if (hasPeriod && (out.endingNote = EndingNoteStart(t))) {
      out.readsAsNote = true;
      return shape(Shape::Sentence);
    }
    return shape(Shape::Note);
  }
  if (StartsWith(c, "▼"_sj) || StartsWith(c, "▽"_sj)) return shape(Shape::ClerkMark);
  if (SplitsByMark(t)) {
    if (IsSpeakerMark(sjis::FirstChar(t))) out.mark = sjis::FirstChar(t);
    return shape(Shape::MarkSplit);
  }

  out.speakerWithoutMark = SplitsByHalfSpace(t);
  if (keptApart || hasPeriod) {
    if (keptApart && SplitBySpaces(t) > 0) out.speakerWithoutMark = true;
    if (!keptApart) out.endingNote = EndingNoteStart(t);
    return shape(Shape::Sentence);
  }
  return shape(Shape::Fragment);
}

}  // namespace korva::prepare
