// Completing the line table after classification: speaker categories, kind
// labels, speech numbers, the agenda-and-speaker list, the speaker names and
// the navigation entries; and the block-mark balance.
#pragma once

#include <array>
#include <span>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "analysis/title_tables.h"
#include "session/document.h"

namespace korva {

// Turns lone designations into speaker lines and gives every speech its
// category code; `category` is the meeting category (0..6), `extraTitles`
// the clerk's titles for it.
int BuildYakushoku(LineTable& table, int category,
                   std::span<const YakushokuTable> extraTitles = {});

// "発言者" / "議題" labels for rows with a designation.
int CatTypeCode2Desc(LineTable& table);

// Numbers the speeches and fills ListBoxGidaiHatsugen, SpeakerNameSet and
// SpeakerNavEntryList of `doc` from its line table.
int MakeGidaihatugenShaList(Document& doc);

// BuildYakushoku (for categories 0..6), CatTypeCode2Desc and
// MakeGidaihatugenShaList in one pass over the rows, with the same result as
// running them in turn.
int CompleteLineTable(Document& doc, int category,
                      std::span<const YakushokuTable> extraTitles = {});

// The steps above for one row at a time, top to bottom. Each step reads only
// its own row and what the rows above left behind, so a row can be completed
// as soon as it is classified, while it is still in the cache.
class LineTableCompleter {
 public:
  // All the steps; only the lists (numbers, list box, names, navigation
  // entries); or only what the rows hold (categories, labels, numbers).
  enum class Steps { All, ListsOnly, RowsOnly };
  // `extraTitles` must outlive the completer.
  LineTableCompleter(Document& doc, int category, Steps steps = Steps::All,
                     std::span<const YakushokuTable> extraTitles = {});
  void Row(std::size_t r, LineRow& row);

 private:
  Document& doc_;
  int category_;
  std::span<const YakushokuTable> extraTitles_;
  bool categories_;
  bool labels_;
  bool lists_;
  std::string current_;                                 // category of the speech in progress
  std::unordered_map<std::string, std::string> codes_;  // category of each designation seen
  std::unordered_set<std::string> seen_;                // designations already in SpeakerNameSet
  long long entry_ = 1;
  long long speech_ = 1;
  bool chairNumbered_ = false;
};

// ListBoxMunicipalRoster := the entries of SpeakerNameSet.
void BuildCategoty(Document& doc);

// One opening/closing pair of block marks and its counts.
struct MarkPairCount {
  std::string opening;  // "「「" (CP932)
  std::string closing;  // "」」"
  std::string caption;  // row caption of the counter group, empty when it has none
  int openCount = 0;
  int closeCount = 0;
  bool Balanced() const { return openCount == closeCount; }
};

struct MarkCountCheck {
  // Enumeration, raw HTML, roster, comment, quotation, paragraph.
  std::array<MarkPairCount, 6> pairs;
  bool balanced = true;
};

// The counters of the six pairs; `balanced` is true when every pair agrees.
// The desktop shows a pair that does not agree in bold, its closing count red.
MarkCountCheck CheckProcessMarkCount(const Document& doc);

}  // namespace korva
