#include "analysis/speaker_lists.h"

#include <unordered_set>

#include "analysis/title_tables.h"
#include "text/literal.h"
#include "text/sjis.h"
#include "text/string_helpers.h"

namespace korva {
using namespace literals;

namespace {

bool HasNoLines(const LineTable& table) {
  return table.RowCount() == 1 && table.Row(1).LineKind.empty();
}

// A designation alone on its line is a speaker line when its title says so.
void MarkLoneDesignation(LineRow& row) {
  if (row.Designation.empty()) return;
  const std::string designation = DeleteAllSpaces(row.Designation);
  if (designation.empty() || !DeleteAllSpaces(row.Text).empty()) return;
  if (YakushokuCodeByTail(designation, "9") != "0") row.LineKind = "2";
}

// A speech continues through notes and headings; header, roster and raw-HTML
// lines end it.
void AssignCategory(LineRow& row, int category, std::string& current) {
  const std::string& kind = row.LineKind;
  if (kind == "1" || kind == "5" || kind == "6") {
    current.clear();
  } else if (kind == "2") {
    row.CategoryCode = YakushokuCodeByCategory(row.Designation, "5", category);
    current = row.CategoryCode;
  } else if (kind == "3") {
    row.CategoryCode = current;
  }
}

void LabelKind(LineRow& row) {
  if (row.Designation.empty()) return;
  if (row.LineKind == "2") {
    row.KindLabel = "発言者"_sj;
  } else if (row.LineKind == "4") {
    row.KindLabel = "議題"_sj;
  } else if (row.LineKind == "5") {
    row.KindLabel.clear();
  }
}

// Speech numbers, list-box items, speaker names and navigation entries, row by row.
class SpeakerListBuilder {
 public:
  explicit SpeakerListBuilder(Document& doc) : doc_(doc) {}

  void Add(std::size_t r, LineRow& row) {
    if (row.LineKind == "2") {
      const std::string& d = row.Designation;
      // The same designation always gives the same name; skip the rework.
      if (seen_.insert(d).second) doc_.SpeakerNameSet.Add(RemoveSpeakerMarks(d, 1));
      if (sjis::Contains(d, "議長"_sj)) {
        // Only the first speech of a chair (or vice-chair) is numbered.
        if (!chairNumbered_) {
          row.SpeechNo = std::to_string(speech_++);
          chairNumbered_ = true;
        }
      } else {
        row.SpeechNo = std::to_string(speech_++);
      }
      doc_.ListBoxGidaiHatsugen.push_back(" " + PadNumber(entry_++, 3) + ". " + d + RowRef(r));
      doc_.SpeakerNavEntryList.push_back(d + "%" + row.CategoryCode + "/" +
                                         ZeroPadNumber(static_cast<long long>(r), 4));
    } else if (row.LineKind == "4") {
      std::string h = ZenkakuTrim(row.Designation);
      if (sjis::StartsWith(h, "／"_sj)) return;
      if (sjis::StartsWith(h, "■"_sj)) h.erase(0, 2);
      doc_.ListBoxGidaiHatsugen.push_back(ZenkakuTrim(h) + RowRef(r));
      doc_.SpeakerNavEntryList.push_back(DeleteAllSpaces(h) + "/" +
                                         ZeroPadNumber(static_cast<long long>(r), 4));
    }
  }

 private:
  static std::string RowRef(std::size_t r) { return "\t" + std::to_string(r) + "/1"; }

  Document& doc_;
  std::unordered_set<std::string> seen_;
  long long entry_ = 1;
  long long speech_ = 1;
  bool chairNumbered_ = false;
};

}  // namespace

int BuildYakushoku(LineTable& table, int category) {
  if (HasNoLines(table)) return -1;
  for (LineRow& row : table) MarkLoneDesignation(row);
  std::string current;
  for (LineRow& row : table) AssignCategory(row, category, current);
  return 0;
}

int CatTypeCode2Desc(LineTable& table) {
  if (HasNoLines(table)) return -1;
  for (LineRow& row : table) LabelKind(row);
  return 0;
}

int MakeGidaihatugenShaList(Document& doc) {
  doc.ListBoxGidaiHatsugen.clear();
  LineTable& table = doc.MinutesTextStringGrid;
  if (HasNoLines(table)) return -1;
  SpeakerListBuilder builder(doc);
  for (std::size_t r = 1; r <= table.RowCount(); ++r) builder.Add(r, table.Row(r));
  return 0;
}

int CompleteLineTable(Document& doc, int category) {
  doc.ListBoxGidaiHatsugen.clear();
  LineTable& table = doc.MinutesTextStringGrid;
  if (HasNoLines(table)) return -1;
  // Each step reads only its own row and what the rows above left behind,
  // so the steps can share one pass over a table too large for the cache.
  const bool categories = category >= 0 && category < 7;
  std::string current;
  SpeakerListBuilder builder(doc);
  for (std::size_t r = 1; r <= table.RowCount(); ++r) {
    LineRow& row = table.Row(r);
    if (categories) {
      MarkLoneDesignation(row);
      AssignCategory(row, category, current);
    }
    LabelKind(row);
    builder.Add(r, row);
  }
  return 0;
}

void BuildCategoty(Document& doc) {
  doc.ListBoxMunicipalRoster.assign(doc.SpeakerNameSet.begin(), doc.SpeakerNameSet.end());
}

MarkCountCheck CheckProcessMarkCount(const Document& doc) {
  const BlockMarkCounts& c = doc.MarkCounts;
  MarkCountCheck check;
  check.pairs = {{
      {"「「"_sj, "」」"_sj, "【  列 挙  】マーク数  "_sj, c.EnumStartCount, c.EnumEndCount},
      {"『『"_sj, "』』"_sj, "【 ＨＴＭＬ 】マーク数   "_sj, c.HTMLStartCount, c.HTMLEndCount},
      {"｛｛"_sj, "｝｝"_sj, "【 名  簿  】マーク数     "_sj, c.RosterStartCount, c.RosterEndCount},
      {"＜＜"_sj, "＞＞"_sj, "【 コメント  】マーク数  "_sj, c.CommentStartCount,
       c.CommentEndCount},
      {"【【"_sj, "】】"_sj, "【 引  用  】マーク数 "_sj, c.QuoteStartCount, c.QuoteEndCount},
      {"〔〔"_sj, "〕〕"_sj, "", c.ParagraphStartCount, c.ParagraphEndCount},
  }};
  for (const auto& pair : check.pairs) check.balanced = check.balanced && pair.Balanced();
  return check;
}

}  // namespace korva
