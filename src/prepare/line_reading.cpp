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

// Position 0 starts a character, so a byte comparison is exact; the marks
// compared here are a few bytes long, too short to be worth a call.
bool StartsWith(std::string_view s, std::string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (s[i] != prefix[i]) return false;
  }
  return true;
}

// Whether `s` holds the two-byte character `ch`. The search is for its
// trail byte, which in Japanese text is far rarer than its lead byte.
bool HasChar(std::string_view s, std::string_view ch) {
  std::size_t known = 0;
  for (std::size_t p = s.find(ch[1], 1); p != std::string_view::npos; p = s.find(ch[1], p + 1)) {
    if (s[p - 1] == ch[0] && sjis::StartsCharacter(s, known, p - 1)) return true;
  }
  return false;
}

// `s` ends with the two-byte character `ch`, which begins a character there.
bool EndsWithChar(std::string_view s, std::string_view ch) {
  if (s.size() < 2 || s.back() != ch[1] || s[s.size() - 2] != ch[0]) return false;
  std::size_t known = 0;
  return sjis::StartsCharacter(s, known, s.size() - 2);
}

bool EndsSentence(std::string_view t) {
  return EndsWithChar(t, "。"_sj) || EndsWithChar(t, "…"_sj) || EndsWithChar(t, "、"_sj) ||
         EndsWithChar(t, "＼"_sj);
}

// Without leading control characters, spaces and full-width spaces.
std::string_view TrimLeftBlanks(std::string_view s) {
  while (!s.empty()) {
    if (IsControlOrSpace(s[0])) {
      s.remove_prefix(1);
    } else if (StartsWith(s, kFwSpace)) {
      s.remove_prefix(2);
    } else {
      break;
    }
  }
  return s;
}

// Without trailing control characters, spaces and full-width spaces.
std::string_view TrimRightBlanks(std::string_view s) {
  while (!s.empty()) {
    if (IsControlOrSpace(s.back())) {
      s.remove_suffix(1);
    } else if (EndsWithChar(s, kFwSpace)) {
      s.remove_suffix(2);
    } else {
      break;
    }
  }
  return s;
}

// A set of two-byte characters, looked up by their code.
class CharSet {
 public:
  explicit CharSet(std::initializer_list<std::string_view> utf8) : bits_(1 << 16) {
    for (std::string_view ch : utf8) {
      const std::string c = Sj(ch);
      bits_[static_cast<unsigned char>(c[0]) << 8 | static_cast<unsigned char>(c[1])] = true;
    }
  }
  // Whether the two bytes at `pos` are a member.
  bool At(std::string_view s, std::size_t pos) const {
    return pos + 1 < s.size() &&
           bits_[static_cast<unsigned char>(s[pos]) << 8 | static_cast<unsigned char>(s[pos + 1])];
  }

 private:
  std::vector<bool> bits_;
};

// Nothing but separator symbols (and blanks): the rules' separator test.
bool IsSeparatorText(std::string_view t) {
  static const CharSet symbols{"　", "―", "─", "－", "━", "～", "＝",
                               "☆",  "◇", "○", "〇", "□", "〓"};
  for (std::size_t pos = 0; pos < t.size();) {
    const std::size_t len = sjis::CharLength(t, pos);
    if (len == 1 ? t[pos] != ' ' && t[pos] != '-' : !symbols.At(t, pos)) return false;
    pos += len;
  }
  return true;
}

bool ContainsAny(std::string_view s, std::initializer_list<const std::string*> words) {
  for (const std::string* word : words) {
    if (FastContains(s, *word)) return true;
  }
  return false;
}

// Every mark of the program begins with this byte; a line whose first
// character does not, or is a full-width space, begins with none of them.
bool MayBeginWithMark(std::string_view s) {
  return s.size() >= 2 && static_cast<unsigned char>(s[0]) == 0x81 && s[1] != 0x40;
}

// The rules split a line at a speaker mark followed by a full-width space,
// or at one of those marks that ends the line.
bool SplitsByMark(std::string_view t) {
  static const CharSet marks{"○", "●", "◆", "◇", "◎", "＠", "■", "□", "▲", "▼", "△", "▽", "★", "☆"};
  // Every mark begins with the byte 0x81; a candidate counts where a character starts.
  std::size_t known = 0;
  for (std::size_t pos = t.find('\x81'); pos != std::string_view::npos;
       pos = t.find('\x81', pos + 1)) {
    if (!marks.At(t, pos) || !sjis::StartsCharacter(t, known, pos)) continue;
    if (pos + 2 == t.size() || t.substr(pos + 2, 2) == kFwSpace) return true;
  }
  return false;
}

// The rules split at the first space after "長", "）" or "員" when it is a
// half-width one, unless the line starts with a space.
bool SplitsByHalfSpace(std::string_view t) {
  if (t.empty() || t[0] == ' ' || StartsWith(t, kFwSpace) || t.find(' ') == t.npos) return false;
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

// The bracketed-note rules for a line that does not end a sentence; `c` is
// the line without spaces, of which they ask whether it begins with "（"
// and whether it holds one.
NoteState ReadNote(std::string_view c, std::string_view u, bool noteOpen) {
  const bool opensAtStart = StartsWith(c, "（"_sj);
  const bool noOpen = !HasChar(c, "（"_sj);
  const bool cP = HasChar(u, "）"_sj);
  const bool oK = HasChar(u, "〔"_sj), cK = HasChar(u, "〕"_sj);
  const bool oS = HasChar(u, "［"_sj), cS = HasChar(u, "］"_sj);
  const bool oB = HasChar(u, "【"_sj), cB = HasChar(u, "】"_sj);
  const bool y = HasChar(u, "＼"_sj);
  if (!y && ((opensAtStart && cP) || (oK && cK) || (oS && cS) || (oB && cB))) return {true, false};
  if ((opensAtStart && !cP) || (oK && !cK) || (oS && !cS)) return {true, true};
  if ((noOpen && cP) || (!oK && cK) || (!oS && cS) || (oB && cB)) return {true, false};
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
  return EndsSentence(before) ? runStart : 0;
}

}  // namespace

std::string_view LoadedLine(std::string_view rawLine) {
  std::string_view r = TrimRightBlanks(rawLine);
  if (!r.empty() && r[0] == ' ' && (r.size() < 2 || r[1] != ' ')) r.remove_prefix(1);
  return r;
}

bool IsSpeakerMark(std::string_view ch) {
  static const CharSet marks{"○", "◎", "◆", "◇", "◯", "〇"};
  return ch.size() == 2 && marks.At(ch, 0);
}

std::string RuleText(std::string_view rawLine) {
  const std::string_view r = LoadedLine(rawLine);
  if (const std::size_t p = FastPos("／／"_sj, r)) return ZenkakuTrim(r.substr(0, p - 1));
  return std::string(r);
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
  if (FastContains(designation, "。"_sj) || FastContains(designation, "、"_sj)) return false;
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
  // The line as the rules see it (r), without an editor's remark (t), and
  // trimmed of control characters and spaces (a) or of all blanks (u).
  const std::string_view r = LoadedLine(rawLine);
  std::string cut;
  std::string_view t = r;
  if (const std::size_t p = FastPos("／／"_sj, r)) t = cut = ZenkakuTrim(r.substr(0, p - 1));
  const std::string_view a = TrimControlView(r);
  const std::string_view u = TrimLeftBlanks(t);
  const bool markA = MayBeginWithMark(a), markU = MayBeginWithMark(u), markT = MayBeginWithMark(t);
  // The rules also read the line without any space; needed only now and then.
  std::string compactText;
  bool compactDone = false;
  auto compact = [&]() -> std::string_view {
    if (!compactDone) compactText = DeleteAllSpaces(a), compactDone = true;
    return compactText;
  };
  auto shape = [&out](Shape s) {
    out.shape = s;
    return out;
  };

  if (TrimLeftBlanks(a).empty()) return shape(Shape::Blank);
  if (markA && StartsWith(a, "＜＜"_sj)) return inComment_ = true, shape(Shape::ClerkMark);
  if (markA && StartsWith(a, "＞＞"_sj)) return inComment_ = false, shape(Shape::ClerkMark);
  if (inComment_) return shape(Shape::InBlock);
  if (IsPageMarker(u)) return shape(Shape::PageMarker);
  if (markU && StartsWith(u, "＼"_sj)) return shape(Shape::ClerkMark);
  if (markU && StartsWith(u, "。。"_sj)) {
    if (dotLinesOpenPlainText_) inPlainText_ = true;
    return shape(Shape::DotLine);
  }
  if (markU && StartsWith(u, "。"_sj)) return shape(Shape::DotLine);
  if ((markT && (StartsWith(t, "▼"_sj) || StartsWith(t, "▽"_sj))) ||
      (markA && (StartsWith(a, "「」"_sj) || StartsWith(a, "￥"_sj)))) {
    return shape(Shape::ClerkMark);
  }
  if (proceedingsMarks_ >= 2) return shape(Shape::InBlock);
  if (t.empty()) return shape(Shape::Blank);
  if ((markU && StartsWith(u, "－"_sj) && EndsWithChar(u, "－"_sj)) || IsSeparatorText(t)) {
    return shape(Shape::Separator);
  }
  const bool hasPeriod = HasChar(t, "。"_sj);
  if (markA && StartsWith(a, "■"_sj) && !FastContains(a, "。"_sj)) {
    ++proceedingsMarks_;
    return shape(Shape::ProceedingsMark);
  }
  if (!hasPeriod && ContainsAny(compact(), {&"散会"_sj, &"延会"_sj, &"閉会"_sj}) &&
      !ContainsAny(compact(), {&"宣告"_sj, &"閉会中"_sj, &"議決"_sj})) {
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
    if (block.onA ? markA : markU) {
      if (StartsWith(text, block.start)) return block.inside = true, shape(Shape::ClerkMark);
      if (StartsWith(text, block.end)) return block.inside = false, shape(Shape::ClerkMark);
    }
    if (block.inside) return shape(Shape::InBlock);
  }

  if (StartsWith(t, "　"_sj) && !hasPeriod &&
      (FastContains(compact(), "休憩"_sj) || FastContains(compact(), "再開"_sj))) {
    return shape(Shape::Procedural);
  }

  // The rules try the notes before they let applause keep a line apart.
  const bool endsSentence = EndsSentence(t);
  const NoteState note = endsSentence ? NoteState{} : ReadNote(compact(), u, noteOpen_);
  const bool keptApart = endsSentence || (!note.isNote && ApplauseKeepsApart(t, hasPeriod));

  if (ReadDesignation(t, out)) {
    noteOpen_ = false;
    if (out.shape == Shape::Designation) {
      const std::size_t expected = out.designationLength + out.noteLength;
      if (keptApart) {
        out.readsAsSpeaker = !SplitsByMark(t) &&
                             (!SplitsByHalfSpace(t) || FastPos(" ", t) == expected + 1) &&
                             SplitBySpaces(t) == expected;
        out.opensProceedings = out.readsAsSpeaker && !SplitsByHalfSpace(t);
      } else {
        // A heading to the rules, which the title at its end makes a speaker line.
        out.readsAsSpeaker =
            !note.isNote && !hasPeriod && YakushokuCodeByTail(compact(), "9", extraTitles_) != "0";
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
  if (StartsWith(TrimLeftBlanks(a), "▼"_sj) || StartsWith(TrimLeftBlanks(a), "▽"_sj)) {
    return shape(Shape::ClerkMark);
  }
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
