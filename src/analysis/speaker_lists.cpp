#include "analysis/speaker_lists.h"

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
}  // namespace

int BuildYakushoku(LineTable& table, int category) {
  if (HasNoLines(table)) return -1;
  for (LineRow& row : table) {
    if (row.Designation.empty()) continue;
    const std::string designation = DeleteAllSpaces(row.Designation);
    if (designation.empty() || !DeleteAllSpaces(row.Text).empty()) continue;
    if (YakushokuCodeByTail(designation, "9") != "0") row.LineKind = "2";
  }
  std::string current;
  for (LineRow& row : table) {
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
  return 0;
}

int CatTypeCode2Desc(LineTable& table) {
  if (HasNoLines(table)) return -1;
  for (LineRow& row : table) {
    if (row.Designation.empty()) continue;
    if (row.LineKind == "2") {
      row.KindLabel = "発言者"_sj;
    } else if (row.LineKind == "4") {
      row.KindLabel = "議題"_sj;
    } else if (row.LineKind == "5") {
      row.KindLabel.clear();
    }
  }
  return 0;
}

int MakeGidaihatugenShaList(Document& doc) {
  doc.ListBoxGidaiHatsugen.clear();
  LineTable& table = doc.MinutesTextStringGrid;
  if (HasNoLines(table)) return -1;
  long long entry = 1;
  long long speech = 1;
  bool chairNumbered = false;
  for (std::size_t r = 1; r <= table.RowCount(); ++r) {
    LineRow& row = table.Row(r);
    const std::string rowRef = "\t" + std::to_string(r) + "/1";
    if (row.LineKind == "2") {
      const std::string& d = row.Designation;
      doc.SpeakerNameSet.Add(RemoveSpeakerMarks(d, 1));
      if (sjis::Contains(d, "議長"_sj)) {
        // Only the first speech of a chair (or vice-chair) is numbered.
        if (!chairNumbered) {
          row.SpeechNo = std::to_string(speech++);
          chairNumbered = true;
        }
      } else {
        row.SpeechNo = std::to_string(speech++);
      }
      doc.ListBoxGidaiHatsugen.push_back(" " + PadNumber(entry++, 3) + ". " + d + rowRef);
      doc.SpeakerNavEntryList.push_back(d + "%" + row.CategoryCode + "/" +
                                        ZeroPadNumber(static_cast<long long>(r), 4));
    } else if (row.LineKind == "4") {
      std::string h = ZenkakuTrim(row.Designation);
      if (sjis::StartsWith(h, "／"_sj)) continue;
      if (sjis::StartsWith(h, "■"_sj)) h.erase(0, 2);
      doc.ListBoxGidaiHatsugen.push_back(ZenkakuTrim(h) + rowRef);
      doc.SpeakerNavEntryList.push_back(DeleteAllSpaces(h) + "/" +
                                        ZeroPadNumber(static_cast<long long>(r), 4));
    }
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
