#include "analysis/speaker_lists.h"

#include <initializer_list>
#include <string_view>

#include "analysis/text_search.h"
#include "analysis/title_tables.h"
#include "text/literal.h"
#include "text/sjis.h"
#include "text/string_helpers.h"

namespace korva {
using namespace literals;

namespace {

// The parts joined in one string of exactly their size: the two lists keep
// one entry per speech, and chained "+" would leave most at twice the size.
std::string Joined(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (std::string_view part : parts) size += part.size();
  std::string out;
  out.reserve(size);
  for (std::string_view part : parts) out.append(part);
  return out;
}

// How the list box finds row r again: a TAB, the row, "/1".
std::string RowReference(std::size_t r) {
  return "\t" + std::to_string(r) + "/1";
}

bool HasNoLines(const LineTable& table) {
  return table.RowCount() == 1 && table.Row(1).LineKind.empty();
}

// True when `s` holds nothing but spaces and full-width spaces.
bool OnlySpaces(std::string_view s) {
  for (std::size_t pos = 0; pos < s.size();) {
    if (s[pos] == ' ') {
      ++pos;
    } else if (s.substr(pos, 2) == "\x81\x40") {
      pos += 2;
    } else {
      return false;
    }
  }
  return true;
}

// A designation alone on its line is a speaker line when its title says so.
void MarkLoneDesignation(LineRow& row, std::span<const YakushokuTable> extraTitles) {
  if (OnlySpaces(row.Designation) || !OnlySpaces(row.Text)) return;
  if (YakushokuCodeByTail(DeleteAllSpaces(row.Designation), "9", extraTitles) != "0") {
    row.LineKind = "2";
  }
}

// A speech continues through notes and headings; header, roster and raw-HTML
// lines end it.
void AssignCategory(LineRow& row, int category, std::span<const YakushokuTable> extraTitles,
                    std::string& current) {
  const std::string& kind = row.LineKind;
  if (kind == "1" || kind == "5" || kind == "6") {
    current.clear();
  } else if (kind == "2") {
    row.CategoryCode = YakushokuCodeByCategory(row.Designation, "5", category, extraTitles);
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

}  // namespace

LineTableCompleter::LineTableCompleter(Document& doc, int category, Steps steps,
                                       std::span<const YakushokuTable> extraTitles)
    : doc_(doc),
      category_(category),
      extraTitles_(extraTitles),
      categories_(steps != Steps::ListsOnly && category >= 0 && category < 7),
      labels_(steps != Steps::ListsOnly),
      lists_(steps != Steps::RowsOnly) {}

void LineTableCompleter::Row(std::size_t r, LineRow& row) {
  if (categories_) {
    MarkLoneDesignation(row, extraTitles_);
    if (row.LineKind == "2") {
      // Speakers come back: each designation's category is looked up once.
      auto found = codes_.find(row.Designation);
      if (found == codes_.end()) {
        found = codes_
                    .emplace(row.Designation,
                             YakushokuCodeByCategory(row.Designation, "5", category_, extraTitles_))
                    .first;
      }
      row.CategoryCode = found->second;
      current_ = found->second;
    } else {
      AssignCategory(row, category_, extraTitles_, current_);
    }
  }
  if (labels_) LabelKind(row);

  if (row.LineKind == "2") {
    const std::string& d = row.Designation;
    if (analysis::FastContains(d, "議長"_sj)) {
      // Only the first speech of a chair (or vice-chair) is numbered.
      if (!chairNumbered_) {
        row.SpeechNo = std::to_string(speech_++);
        chairNumbered_ = true;
      }
    } else {
      row.SpeechNo = std::to_string(speech_++);
    }
    if (!lists_) return;
    // The same designation always gives the same name; skip the rework.
    if (seen_.insert(d).second) doc_.SpeakerNameSet.Add(RemoveSpeakerMarks(d, 1));
    doc_.ListBoxGidaiHatsugen.push_back(
        Joined({" ", PadNumber(entry_++, 3), ". ", d, RowReference(r)}));
    doc_.SpeakerNavEntryList.push_back(
        Joined({d, "%", row.CategoryCode, "/", ZeroPadNumber(static_cast<long long>(r), 4)}));
  } else if (row.LineKind == "4" && lists_) {
    std::string h = ZenkakuTrim(row.Designation);
    if (sjis::StartsWith(h, "／"_sj)) return;
    if (sjis::StartsWith(h, "■"_sj)) h.erase(0, 2);
    doc_.ListBoxGidaiHatsugen.push_back(Joined({ZenkakuTrim(h), RowReference(r)}));
    doc_.SpeakerNavEntryList.push_back(
        Joined({DeleteAllSpaces(h), "/", ZeroPadNumber(static_cast<long long>(r), 4)}));
  }
}

int BuildYakushoku(LineTable& table, int category, std::span<const YakushokuTable> extraTitles) {
  if (HasNoLines(table)) return -1;
  for (LineRow& row : table) MarkLoneDesignation(row, extraTitles);
  std::string current;
  for (LineRow& row : table) AssignCategory(row, category, extraTitles, current);
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
  LineTableCompleter lists(doc, 0, LineTableCompleter::Steps::ListsOnly);
  for (std::size_t r = 1; r <= table.RowCount(); ++r) lists.Row(r, table.Row(r));
  return 0;
}

int CompleteLineTable(Document& doc, int category, std::span<const YakushokuTable> extraTitles) {
  doc.ListBoxGidaiHatsugen.clear();
  LineTable& table = doc.MinutesTextStringGrid;
  if (HasNoLines(table)) return -1;
  LineTableCompleter completer(doc, category, LineTableCompleter::Steps::All, extraTitles);
  for (std::size_t r = 1; r <= table.RowCount(); ++r) completer.Row(r, table.Row(r));
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
