#include "prepare/prepare.h"

#include <algorithm>
#include <map>
#include <optional>
#include <unordered_set>

#include "analysis/extra_titles.h"
#include "analysis/text_search.h"
#include "prepare/line_reading.h"
#include "text/literal.h"
#include "text/sjis.h"
#include "text/string_helpers.h"

namespace korva {
using namespace literals;

namespace {

using prepare::LineReading;
using prepare::Shape;

constexpr std::string_view kFwSpace = "\x81\x40";

void AppendLine(std::string& text, std::string_view line) {
  if (!text.empty()) text += "\r\n";
  text += line;
}

// The line with its trailing blanks apart: {text, blanks}.
std::pair<std::string_view, std::string_view> SplitTrailingBlanks(std::string_view line) {
  const std::size_t kept = ZenkakuTrimRight(line).size();
  return {line.substr(0, kept), line.substr(kept)};
}

// A "■" line as the rules see one: a "■" first (after half-width blanks), no "。".
bool IsProceedingsMarkLine(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && static_cast<unsigned char>(line[i]) <= 0x20) ++i;
  return sjis::StartsWith(line.substr(i), "■"_sj) && !analysis::FastContains(line, "。"_sj);
}

class Preparation {
 public:
  Preparation(const std::vector<std::string>& lines, const Settings& settings)
      : lines_(lines),
        category_(settings.RadioGroupCategory),
        extraTitles_(ExtraTitlesOf(settings)),
        claimed_(lines.size(), false),
        joined_(lines.size() + 1, false),
        insertsBefore_(lines.size() + 1, false) {}

  PrepareResult Run() {
    marked_ = std::any_of(lines_.begin(), lines_.end(), IsProceedingsMarkLine);
    prepare::LineReader reader(extraTitles_, marked_);
    readings_.reserve(lines_.size());
    for (const std::string& line : lines_) readings_.push_back(reader.Read(line));
    FindSpeakerLines();

    PageMarkers();
    if (marked_) {
      Left(0, "「■」の行があるので、議事の印と「。」で始まる行はそのままにしました。"_sj);
      ProceedingsBetweenMarks();
    } else {
      Proceedings();
      DotLines();
    }
    LoneDesignations();
    EndingNotes();
    if (!marks_.empty()) {
      NameLines();
      UnmarkedSpeakers();
    } else if (!lines_.empty()) {
      Left(0, "発言者の印（○◎◆◇◯〇）の行がないので、印のない行が発言者かどうかは見ていません。"_sj);
    }
    UnknownTitles();

    std::sort(result_.changes.begin(), result_.changes.end(),
              [](const PrepareChange& a, const PrepareChange& b) { return a.line < b.line; });
    std::sort(result_.report.leftAsItWas.begin(), result_.report.leftAsItWas.end(),
              [](const PrepareNote& a, const PrepareNote& b) { return a.line < b.line; });
    for (const auto& [mark, count] : marks_) result_.report.speakerMarks.emplace_back(mark, count);
    return std::move(result_);
  }

 private:
  Shape ShapeAt(std::size_t i) const { return readings_[i].shape; }
  const std::string& Line(std::size_t i) const { return lines_[i]; }

  void Left(std::size_t line, std::string text) {
    result_.report.leftAsItWas.push_back({line, std::move(text)});
  }

  // Whether `edit` would touch what an earlier change took: a line it
  // replaced, a break it joined, or a place it inserts at, inside the lines
  // this edit joins.
  bool Overlaps(const PrepareEdit& edit) const {
    if (edit.count == 0) return joined_[edit.line];
    for (std::size_t k = 0; k < edit.count; ++k) {
      if (claimed_[edit.line + k] || (k > 0 && insertsBefore_[edit.line + k])) return true;
    }
    return false;
  }

  // Adds a change made of `edits` (0-based lines here, 1-based in the change).
  // A change that would overlap an earlier one is left out, so that any
  // selection of the changes can be applied.
  void Add(const std::string& reason, std::vector<PrepareEdit> edits) {
    for (const PrepareEdit& edit : edits) {
      if (Overlaps(edit)) {
        Left(edits.front().line + 1,
             "ほかの変更と重なるので、「"_sj + reason + "」はしませんでした。"_sj);
        return;
      }
      // A line cut after a lead byte would take the first byte of what is
      // joined to it as the rest of its character.
      for (std::size_t k = 0; k + 1 < edit.count; ++k) {
        const std::string_view last = sjis::LastChar(Line(edit.line + k));
        if (last.size() == 1 && sjis::IsLeadByte(static_cast<unsigned char>(last[0]))) {
          Left(edit.line + k + 1,
               "行が文字の途中で切れているので、「"_sj + reason + "」はしませんでした。"_sj);
          return;
        }
      }
    }
    PrepareChange change;
    change.reason = reason;
    for (PrepareEdit& edit : edits) {
      if (edit.count == 0) insertsBefore_[edit.line] = true;
      for (std::size_t k = 0; k < edit.count; ++k) {
        claimed_[edit.line + k] = true;
        if (k > 0) joined_[edit.line + k] = true;
        AppendLine(change.before, Line(edit.line + k));
      }
      for (const std::string& line : edit.lines) AppendLine(change.after, line);
      ++edit.line;
    }
    change.line = edits.front().line;
    change.edits = std::move(edits);
    result_.changes.push_back(std::move(change));
  }
  void Replace(std::size_t i, const std::string& reason, std::vector<std::string> by) {
    Add(reason, {PrepareEdit{i, 1, std::move(by)}});
  }

  // The rules take `line` as a speaker line whose designation has this length.
  bool ReadsAsSpeaker(const std::string& line, std::size_t designationLength) const {
    prepare::LineReader reader(extraTitles_, false);
    const LineReading r = reader.Read(line);
    return r.shape == Shape::Designation && r.readsAsSpeaker &&
           r.designationLength + r.noteLength == designationLength;
  }

  // A designation alone on its line with its speech on the next one.
  bool Joinable(std::size_t i) const {
    return ShapeAt(i) == Shape::LoneDesignation && i + 1 < lines_.size() &&
           ShapeAt(i + 1) == Shape::Sentence;
  }

  // Speaker lines with a mark: designations with their speech (or with it on
  // the next line) and the rules' own "○　" form.
  void FindSpeakerLines() {
    for (std::size_t i = 0; i < readings_.size(); ++i) {
      const LineReading& r = readings_[i];
      const bool speaker = r.shape == Shape::Designation || Joinable(i) ||
                           (r.shape == Shape::MarkSplit && !r.mark.empty());
      if (!speaker) continue;
      speakerLines_.push_back(i);
      ++marks_[r.mark];
    }
  }

  void PageMarkers() {
    for (std::size_t i = 0; i < readings_.size(); ++i) {
      if (ShapeAt(i) != Shape::PageMarker) continue;
      result_.report.pageMarkers.push_back({i + 1, ZenkakuTrim(Line(i))});
      Add("ページ区切りの印（会議録システムの印）を取り除く"_sj, {PrepareEdit{i, 1, {}}});
    }
  }

  // The line that announces the opening ("午前１０時開議"), just before the
  // first speaker line but for blank lines, notes and separators.
  std::optional<std::size_t> OpeningLine(std::size_t firstSpeaker) const {
    std::size_t i = firstSpeaker;
    while (i > 0) {
      --i;
      const Shape s = ShapeAt(i);
      if (s == Shape::Blank || s == Shape::PageMarker || s == Shape::Note ||
          s == Shape::Separator) {
        continue;
      }
      const bool opens =
          analysis::FastContains(Line(i), "開会"_sj) || analysis::FastContains(Line(i), "開議"_sj);
      if (opens && (s == Shape::Fragment || (s == Shape::Procedural && !readings_[i].adjourns))) {
        return i;
      }
      return std::nullopt;
    }
    return std::nullopt;
  }

  // Where the last speech ends: the first line after it that is no part of
  // it (a blank line, a separator, the adjournment, another block).
  std::size_t EndOfLastSpeech() const {
    const std::size_t last = speakerLines_.back();
    std::size_t i = last + (ShapeAt(last) == Shape::LoneDesignation ? 2 : 1);
    for (; i < readings_.size(); ++i) {
      const Shape s = ShapeAt(i);
      const bool part = s == Shape::Sentence || s == Shape::Note || s == Shape::Fragment ||
                        s == Shape::PageMarker ||
                        (s == Shape::Procedural && !readings_[i].adjourns);
      if (!part) break;
    }
    return i;
  }

  // Exported minutes: a "■" before the line that opens the proceedings and
  // a "■" line after the last speech, which the rules need to know where
  // the proceedings lie.
  void Proceedings() {
    if (speakerLines_.empty()) return;
    const std::size_t first = speakerLines_.front();
    regionEnd_ = EndOfLastSpeech();
    regionBegin_ = first;
    const auto opening = OpeningLine(first);
    if (!opening) {
      Left(first + 1, "最初の発言の前に開会・開議の行がないので、「■」は付けませんでした。"_sj);
      return;
    }
    regionBegin_ = *opening + 1;
    std::vector<PrepareEdit> edits{{*opening, 1, {"■"_sj + Line(*opening)}}};
    // The closing mark is safe only where the proceedings are still open:
    // an adjournment line closes them, a speaker line the rules split by
    // its first spaces (or the opening mark) opens them again.
    bool open = false;
    for (std::size_t i = regionEnd_; i-- > *opening;) {
      if (ShapeAt(i) == Shape::Procedural && readings_[i].adjourns) break;
      if (i == *opening || readings_[i].opensProceedings || Joinable(i)) {
        open = true;
        break;
      }
    }
    if (open) {
      edits.push_back({regionEnd_, 0, {"■"_sj}});
    } else {
      Left(regionEnd_ + 1,
           "議事の終わりの「■」は、議事がすでに閉じているため付けませんでした。"_sj);
    }
    Add(open ? "議事の始まりと終わり（"_sj + std::to_string(regionEnd_ + 1) +
                   "行目の前）に「■」を付ける"_sj
             : "議事の始まりに「■」を付ける"_sj,
        std::move(edits));
  }

  // Text a clerk marked: the proceedings lie between the two "■" lines.
  void ProceedingsBetweenMarks() {
    std::size_t found = 0;
    for (std::size_t i = 0; i < readings_.size(); ++i) {
      if (ShapeAt(i) != Shape::ProceedingsMark) continue;
      if (found++ == 0) {
        regionBegin_ = i + 1;
      } else {
        regionEnd_ = i;
        return;
      }
    }
    regionEnd_ = found ? readings_.size() : 0;
  }

  // A line that begins with "。" is a blank line to the rules ("。。" a
  // comment that turns the rest into plain text): the period goes back to
  // the line it ends, or the line becomes a note that shows its text.
  void DotLines() {
    for (std::size_t i = 0; i < readings_.size(); ++i) {
      if (ShapeAt(i) != Shape::DotLine || claimed_[i]) continue;
      const bool joins = i > 0 && !claimed_[i - 1] &&
                         (ShapeAt(i - 1) == Shape::Sentence || ShapeAt(i - 1) == Shape::Fragment ||
                          ShapeAt(i - 1) == Shape::Designation);
      if (joins) {
        Add("「。」で始まる行を前の行につなぐ"_sj,
            {PrepareEdit{i - 1, 2, {Line(i - 1) + Line(i)}}});
      } else {
        Replace(i,
                "「。」で始まる行を注記の行にする（消えたり、後ろが平文になったりしないように）"_sj,
                {"￥"_sj + Line(i)});
      }
    }
  }

  // A designation alone on its line joins its speech, so that the rules
  // read one speaker line; a stage note after it stays as the speech's note.
  void LoneDesignations() {
    for (std::size_t i = 0; i + 1 < readings_.size(); ++i) {
      if (!Joinable(i) || claimed_[i] || claimed_[i + 1]) continue;
      const LineReading& r = readings_[i];
      const std::string t = prepare::RuleText(Line(i));
      const std::string designation = t.substr(0, r.designationLength);
      const std::string& speech = Line(i + 1);
      const std::string lead = sjis::StartsWith(speech, kFwSpace) ? "" : std::string(kFwSpace);
      std::string joined;
      if (r.noteLength > 0) {
        const std::size_t at = sjis::Find(Line(i), designation) + designation.size();
        joined = Line(i).substr(0, at) + std::string(kFwSpace) + Line(i).substr(at) + lead + speech;
      } else {
        joined = Line(i) + lead + speech;
      }
      std::vector<std::string> result{joined};
      if (readings_[i + 1].endingNote) SplitEndingNote(result, EndingNote(i + 1));
      if (!ReadsAsSpeaker(result.front(), r.designationLength)) {
        Left(i + 1,
             "発言者名だけの行は、つないでも発言者の行と読まれないので、そのままにしました。"_sj);
        continue;
      }
      Add(r.noteLength > 0
              ? "発言者名だけの行を次の行の発言とつなぐ（〔登壇〕などは発言の注記として残す）"_sj
              : "発言者名だけの行を次の行の発言とつなぐ"_sj,
          {PrepareEdit{i, 2, std::move(result)}});
    }
  }

  // The bracketed notes that end line `i`.
  std::string EndingNote(std::size_t i) const {
    return prepare::RuleText(Line(i)).substr(readings_[i].endingNote);
  }

  // Moves `note`, which ends the last of `lines`, onto a line of its own.
  // False when the line as written does not end with it.
  static bool SplitEndingNote(std::vector<std::string>& lines, const std::string& note) {
    std::string& line = lines.back();
    const auto [text, blanks] = SplitTrailingBlanks(line);
    if (!sjis::EndsWith(text, note)) return false;
    std::string first(text.substr(0, text.size() - note.size()));
    std::string second = note + std::string(blanks);
    line = std::move(first);
    lines.push_back(std::move(second));
    return true;
  }

  // A speaker line (or a speech line) that ends in a stage note
  // ("（「市長」と呼ぶ者あり）") does not end a sentence to the rules: the note
  // moves to a line of its own.
  void EndingNotes() {
    for (std::size_t i = 0; i < readings_.size(); ++i) {
      const LineReading& r = readings_[i];
      if (claimed_[i]) continue;
      if (r.shape == Shape::Designation && !r.readsAsSpeaker && !r.endingNote) {
        Left(i + 1, "発言者の行ですが、文の終わり方などから発言者の行として読まれません。"_sj);
        continue;
      }
      const bool misread = (r.shape == Shape::Designation && !r.readsAsSpeaker) ||
                           (r.shape == Shape::Sentence && r.readsAsNote);
      if (!r.endingNote || !misread) continue;
      std::vector<std::string> result{Line(i)};
      if (!SplitEndingNote(result, EndingNote(i))) continue;
      if (r.shape == Shape::Designation) {
        if (!ReadsAsSpeaker(result.front(), r.designationLength + r.noteLength)) {
          Left(i + 1, "発言者の行ですが、末尾の注記を分けても発言者の行として読まれません。"_sj);
          continue;
        }
      }
      Replace(
          i,
          r.shape == Shape::Designation
              ? "発言者の行の末尾の注記を次の行に分ける（発言が前の発言の続きにならないように）"_sj
              : "発言の行の末尾の注記を次の行に分ける（行全体が注記にならないように）"_sj,
          std::move(result));
    }
  }

  // A line without a mark that the rules would take as a speaker of its own
  // (by its first segment, or as a heading that ends in a title), or that
  // holds a name ("額賀福志郎君　四百六十二").
  bool NameLike(std::size_t i) const {
    if (readings_[i].speakerWithoutMark) return true;
    const std::string t = prepare::RuleText(Line(i));
    if (YakushokuCodeByTail(DeleteAllSpaces(t), "9", extraTitles_) != "0") return true;
    const std::string segments = sjis::ReplaceAll(t, kFwSpace, " ");
    return analysis::FastContains(segments + " ", "君 "_sj) ||
           analysis::FastContains(segments + " ", "議員 "_sj);
  }

  // Two or more full-width spaces inside the line: columns.
  bool Columned(std::size_t i) const {
    return analysis::FastContains(ZenkakuTrim(prepare::RuleText(Line(i))), "　　"_sj);
  }

  // Runs of lines the rules would take as headings, holding names ("１２番
  // 齊藤大介議員", "逢沢一郎君　赤澤亮正君"): inside a speech (a speech line
  // follows) they continue it; elsewhere (roll calls, rosters, tallies) the
  // name lines go into a plain-text block.
  void NameLines() {
    for (std::size_t i = regionBegin_; i < regionEnd_;) {
      std::size_t end = i;
      while (end < regionEnd_ && ShapeAt(end) == Shape::Fragment && !claimed_[end]) ++end;
      if (end == i) {
        ++i;
        continue;
      }
      std::vector<bool> names;
      for (std::size_t k = i; k < end; ++k) names.push_back(NameLike(k));
      if (std::find(names.begin(), names.end(), true) != names.end()) {
        if (end < readings_.size() && ShapeAt(end) == Shape::Sentence) {
          ContinueSpeech(i, end);
        } else {
          WrapNames(i, names);
        }
      }
      i = end;
    }
  }

  // One change for the whole run: a line of it alone would read apart from the names.
  void ContinueSpeech(std::size_t begin, std::size_t end) {
    std::vector<std::string> continued;
    bool changes = false;
    for (std::size_t k = begin; k < end; ++k) {
      continued.push_back(Continued(Line(k)));
      changes = changes || continued.back() != Line(k);
    }
    if (!changes) return;
    Add("名前の並びとその前後を発言の続きにする（名前が発言者や見出しにならないように）"_sj,
        {PrepareEdit{begin, end - begin, std::move(continued)}});
  }

  // A block holds name lines and the lines laid out in columns like them
  // ("ほかに無効　　　八十四"); a title ("…の氏名") stays apart as a heading.
  void WrapNames(std::size_t begin, const std::vector<bool>& names) {
    const std::size_t end = begin + names.size();
    for (std::size_t k = begin; k < end;) {
      std::size_t stop = k;
      bool hasName = false;
      while (stop < end && (names[stop - begin] || Columned(stop))) {
        hasName = hasName || names[stop - begin];
        ++stop;
      }
      if (!hasName) {
        k = stop + 1;
        continue;
      }
      std::vector<std::string> block{"（（"_sj};
      block.insert(block.end(), lines_.begin() + static_cast<std::ptrdiff_t>(k),
                   lines_.begin() + static_cast<std::ptrdiff_t>(stop));
      block.push_back("））"_sj);
      Add("名前の並び（名簿・点呼）を「（（」「））」で囲む（名前が発言者にならないように）"_sj,
          {PrepareEdit{k, stop - k, std::move(block)}});
      k = stop;
    }
  }

  // The line reads as the continuation of the speech around it: a leading
  // full-width space, and a "＼" at its end that the HTML leaves out.
  // A line that already reads so stays as it is.
  static std::string Continued(const std::string& line) {
    if (sjis::StartsWith(line, kFwSpace) && sjis::EndsWith(line, "＼"_sj)) return line;
    return (sjis::StartsWith(line, kFwSpace) ? "" : std::string(kFwSpace)) + line + "＼"_sj;
  }

  // The text marks its speakers, so a line without a mark is no speaker: a
  // leading full-width space keeps the rules from splitting it as one.
  void UnmarkedSpeakers() {
    for (std::size_t i = 0; i < readings_.size(); ++i) {
      const LineReading& r = readings_[i];
      if (claimed_[i]) continue;
      if (r.shape == Shape::MarkSplit && r.mark.empty()) {
        Left(i + 1, "印のない行ですが、行の中の「○　」などで発言者として読まれます。"_sj);
        continue;
      }
      const bool candidate = r.shape == Shape::Sentence || r.shape == Shape::Fragment;
      if (!candidate || !r.speakerWithoutMark || sjis::StartsWith(Line(i), kFwSpace)) continue;
      Replace(i, "行頭に全角空白を入れる（印のない行が発言者にならないように）"_sj,
              {std::string(kFwSpace) + Line(i)});
    }
  }

  void UnknownTitles() {
    if (category_ < 0 || category_ > 6) return;
    std::unordered_set<std::string_view> seen;
    for (std::size_t i : speakerLines_) {
      const LineReading& r = readings_[i];
      if (r.designationLength == 0) continue;
      const std::string_view designation =
          prepare::LoadedLine(Line(i)).substr(0, r.designationLength);
      if (!seen.insert(designation).second) continue;
      if (YakushokuCodeByCategory(designation, "", category_, extraTitles_).empty()) {
        result_.report.unknownTitles.push_back({i + 1, std::string(designation)});
      }
    }
  }

  const std::vector<std::string>& lines_;
  int category_;
  std::vector<YakushokuTable> extraTitles_;
  std::vector<LineReading> readings_;
  std::vector<bool> claimed_;
  std::vector<bool> joined_;         // the break before this line is gone
  std::vector<bool> insertsBefore_;  // a change inserts lines before this one
  std::vector<std::size_t> speakerLines_;
  std::map<std::string, std::size_t> marks_;
  bool marked_ = false;
  std::size_t regionBegin_ = 0, regionEnd_ = 0;  // the proceedings, [begin, end)
  PrepareResult result_;
};

}  // namespace

PrepareResult PrepareMinutes(const std::vector<std::string>& lines, const Settings& settings) {
  return Preparation(lines, settings).Run();
}

}  // namespace korva
